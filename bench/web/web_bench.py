"""The web player in headless Chromium, timed: page load to the first
screen of a 20-screen 1920x1080 saver served from 127.0.0.1, the bytes read
before it, the transition steps drawn late over 20 transitions, the frames
skipped over 20 cross-fade and pan-and-zoom transitions, and the module's
size. Prints TABLE lines for scripts/bench.

Usage: web_bench.py BUILD_DIR"""

import os
import shutil
import subprocess
import sys
import tempfile

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(SOURCE, 'tests', 'web'))
from browser import Browser  # noqa: E402
from range_server import RangeServer  # noqa: E402
from saver_files import demo_pictures, pack  # noqa: E402

BUILD = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else os.path.join(SOURCE, 'build')
BIN = os.path.join(BUILD, 'bin')
# A step is late when the requestAnimationFrame timestamp of the frame that
# draws it is more than one frame interval (60 Hz) past its due time: the
# transition's start plus 50 ms a step. The first step is drawn as the
# transition starts, the nine others in animation frames.
LATE_MS = 17
# A frame of a moving effect is skipped when the animation frames around
# it are more than 1.5 refresh intervals (60 Hz) apart: each whole interval
# past the first in such a gap is one frame the display showed twice.
FRAME_MS = 1000 / 60

# The shipped page, with a hook that notes when the progress line goes
# (the first screen is drawn) and every transition step's times.
HOOK = '''<script>
window.bench = { steps: [] };
new MutationObserver((changes) => {
  for (const c of changes) {
    if (c.target.className === 'lmv-progress' && c.target.hidden && !window.bench.first) {
      window.bench.first = performance.now();
    }
  }
}).observe(document, { subtree: true, attributes: true, attributeFilter: ['hidden'] });
</script>
'''
MOUNT = '''<script type="module">
import { mountPlayer, mountPlayers } from './lumaveil_page.js';
mountPlayers(document);
const moving = location.search === '?moving';
window.bench.frames = [];
mountPlayer(document.getElementById('bench'), { src: moving ? 'moving.scr' : 'saver.scr', name: 'bench',
  onStep: (s) => window.bench.steps.push([s.due, s.drawn]),
  onScreen: () => window.bench.frames.push(null),
  onFrame: (t) => window.bench.frames.push(t) });
</script>
'''


def page(template, inline_mount):
    with open(template) as f:
        text = f.read()
    text = (text.replace('**SCREENSAVERNAME**', 'bench').replace('**PLAYEDSAVERFILENAME**', 'saver.scr')
            .replace('**SCREENSAVERNFILEAME**', 'saver.scr'))
    text = '\n'.join(line for line in text.split('\n') if '**LINUXSAVERFILENAME**' not in line)
    if inline_mount:
        text = text.replace('data-lumaveil-saver ', 'id="bench" ').replace('**PLAYERSCRIPT**', MOUNT)
    else:
        text = text.replace('**PLAYERSCRIPT**', '<script type="module">\nimport { mountPlayers } from '
                            "'./lumaveil_page.js';\nmountPlayers(document);\n</script>")
    return text.replace('<body>', '<body>\n' + HOOK)


def main():
    work = tempfile.mkdtemp(prefix='lmv-web-bench-')
    try:
        pictures = os.path.join(work, 'pictures')
        subprocess.run([os.path.join(BIN, 'lmvdemo'), pictures, '1920x1080'], check=True,
                       stdout=subprocess.DEVNULL)
        with open(os.path.join(pictures, 'pictures.txt')) as f:
            files = [line.strip().split(':')[-1] for line in f if line.strip()]
        records = ['1:%d:%s' % (1 + i % 6, os.path.join(pictures, files[i % len(files)])) for i in range(20)]
        saver = os.path.join(work, 'saver.scr')
        subprocess.run([os.path.join(BIN, 'lmvpack'), saver, os.path.join(BIN, 'LmvEngine'), '1920x1080']
                       + records, check=True, stdout=subprocess.DEVNULL)
        with open(saver, 'rb') as f:
            f.seek(-4, os.SEEK_END)
            data_offset = int.from_bytes(f.read(4), 'little', signed=True)
            f.seek(data_offset + 8)
            first_record = 12 + int.from_bytes(f.read(4), 'little', signed=True)
        # 20 cross-fades of 1 s, half of them into pan-and-zoom screens.
        large = demo_pictures(BIN, os.path.join(work, 'large'), '2400x1350', 2)
        moving = [(1, 8 + i % 2, large[i % 2] if i % 2 else os.path.join(pictures, files[i % len(files)]))
                  for i in range(21)]
        pack(BIN, os.path.join(work, 'moving.scr'), '1920x1080', moving,
             entries=[(1000, 2400 if i % 2 else 1920, 1350 if i % 2 else 1080) for i in range(21)])
        for name in ('lumaveil_player.js', 'lumaveil_page.js'):
            shutil.copy(os.path.join(SOURCE, 'web', name), work)
        template = os.path.join(SOURCE, 'web', 'Page.html')
        with open(os.path.join(work, 'index.html'), 'w') as f:
            f.write(page(template, False))
        with open(os.path.join(work, 'steps.html'), 'w') as f:
            f.write(page(template, True))

        server = RangeServer(work)
        browser = Browser(1920, 1080)
        try:
            loads = []
            reads = []
            for _ in range(5):
                browser.driver.get(server.url + 'index.html')
                first, read = browser.run('''
                  for (let i = 0; i < 2000 && !window.bench.first; i += 1) await new Promise((r) => setTimeout(r, 5));
                  const nav = performance.getEntriesByType('navigation')[0];
                  const read = performance.getEntriesByType('resource')
                    .filter((e) => e.name.endsWith('saver.scr') && e.startTime < window.bench.first)
                    .reduce((n, e) => n + e.encodedBodySize, 0);
                  return [window.bench.first - nav.startTime, read];''')
                loads.append(first)
                reads.append(read)
            browser.driver.get(server.url + 'steps.html')
            steps = browser.run('''
              const end = Date.now() + 120000;
              while (window.bench.steps.length < 200 && Date.now() < end) await new Promise((r) => setTimeout(r, 100));
              return window.bench.steps;''')
            browser.driver.get(server.url + 'steps.html?moving')
            frames = browser.run('''
              const end = Date.now() + 150000;
              while (window.bench.frames.filter((f) => f === null).length < 22 && Date.now() < end)
                await new Promise((r) => setTimeout(r, 100));
              return window.bench.frames;''')
        finally:
            browser.close()
            server.close()

        loads.sort()
        median = loads[len(loads) // 2]
        allowed = 16 + first_record + 65536
        late = sum(1 for due, drawn in steps if drawn - due > LATE_MS)
        share = 100.0 * late / max(1, len(steps))
        # Frame gaps within each screen's run of frames (a null starts a screen).
        drawn = skipped = 0
        for previous, current in zip(frames, frames[1:]):
            if previous is None or current is None:
                continue
            drawn += 1
            if current - previous > 1.5 * FRAME_MS:
                skipped += round((current - previous) / FRAME_MS) - 1
        skipped_share = 100.0 * skipped / max(1, drawn + skipped)
        size = os.path.getsize(os.path.join(SOURCE, 'web', 'lumaveil_player.js'))
        rows = [
            ('Web: page load to first screen, 20 screens 1920x1080 (median of 5)', '%.0f ms' % median,
             '<= 700 ms', median <= 700),
            ('Web: bytes read before the first screen', '%d B (limit %d B)' % (max(reads), allowed),
             '<= trailer + record + 64 KiB', max(reads) <= allowed),
            ('Web: transition steps drawn late (frame time > due + 17 ms), 20 transitions',
             '%.1f %% (%d of %d)' % (share, late, len(steps)),
             '<= 5 %', share <= 5 and len(steps) >= 200),
            ('Web: frames skipped, 20 cross-fade and pan-and-zoom transitions 1920x1080 (60 Hz)',
             '%.1f %% (%d of %d)' % (skipped_share, skipped, drawn + skipped), '<= 2 %',
             skipped_share <= 2 and drawn >= 600),
            ('Web: player module size (all effects)', '%d B' % size, '<= 40 KB', size <= 40960),
        ]
        for work_name, figure, target, met in rows:
            print('TABLE\t%s\t%s\t-\t-\t-\t%s\t%s' % (work_name, figure, target, 'yes' if met else 'NO'))
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == '__main__':
    main()
