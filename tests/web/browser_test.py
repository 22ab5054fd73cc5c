"""The web player in headless Chromium, against the desktop player.

Usage: browser_test.py BUILD_DIR

A four-screen saver (effects 0, 1, 4, 6) at 1024x768 is played by the
module on a clock the test steps, on displays of three sizes, and the
canvas is compared with LmvEngine --virtual's frames at chosen steps. The
page that `lumaveil --web-page` writes is then loaded from a server that
honours Range and from one that does not, from the disk through "Open the
saver file", and with three damaged savers; screenshots of it at a desktop
size and a phone size go to BUILD_DIR/tests/web-screenshots."""

import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402

from browser import Browser  # noqa: E402
from range_server import RangeServer  # noqa: E402
from saver_files import demo_pictures, pack  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(os.path.dirname(HERE))
BUILD = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else os.path.join(SOURCE, 'build')
BIN = os.path.join(BUILD, 'bin')
# The player program the test's savers are made of (another build's, to
# compare with it).
ENGINE_BIN = os.environ.get('LMV_ENGINE_BIN', BIN)
# Moments of the moving saver (on the 60 Hz display's refreshes): the first
# screen; the 1.2 s cross-fade from 1 s; the pan-and-zoom screen fading in
# from 4.2 s and panning until 8.2 s; the designed screen after it.
MOVING_MOMENTS = [0, 1000, 1300, 1600, 2150, 2200, 4200, 4500, 5000, 5200, 6000, 7500, 8250]
NOT_A_SAVER = 'This file is not a screen saver made with Lumaveil, or it is damaged.'


def run(*args):
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def trailer(path):
    with open(path, 'rb') as f:
        f.seek(-16, os.SEEK_END)
        return struct.unpack('<4i', f.read(16))


def records(path):
    """(offset, duration, effect, length) of each record."""
    width, height, count, offset = trailer(path)
    found = []
    with open(path, 'rb') as f:
        for _ in range(count):
            f.seek(offset)
            duration, effect, length = struct.unpack('<3i', f.read(12))
            found.append((offset, duration, effect, length))
            offset += 12 + length
    return found


def player_reads(asked):
    """The reads of the player itself: the service worker keeping a saver
    for offline play asks for all of it from its first record on."""
    return [a for a in asked if not (a[1] and re.fullmatch(r'bytes=\d+-', a[1]))]


class WebPlayer(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.mkdtemp(prefix='lmv-web-')
        d = cls.dir
        pictures = os.path.join(d, 'pictures')
        run(os.path.join(BIN, 'lmvdemo'), pictures, '1024x768')
        with open(os.path.join(pictures, 'pictures.txt')) as f:
            files = [line.strip().split(':')[-1] for line in f if line.strip()][:4]
        cls.pictures = [os.path.join(pictures, name) for name in files]
        cls.saver = os.path.join(d, 'four.scr')
        run(os.path.join(BIN, 'lmvpack'), cls.saver, os.path.join(ENGINE_BIN, 'LmvEngine'), '1024x768',
            *['1:%d:%s' % (effect, p) for effect, p in zip((0, 1, 4, 6), cls.pictures)])
        os.chmod(cls.saver, 0o755)
        for size in ('1024x768', '800x600', '1280x1024'):
            run(cls.saver, '--virtual', size, '--frames', os.path.join(d, 'frames-' + size), '--draws', '36')
        for name in ('lumaveil_player.js', 'lumaveil_page.js'):
            shutil.copy(os.path.join(SOURCE, 'web', name), d)
        for name in ('harness.html', 'manual_clock.js'):
            shutil.copy(os.path.join(HERE, name), d)

        # The page as the maker writes it, and three damaged savers beside it.
        project = os.path.join(d, 'summer.lmv')
        run(os.path.join(BIN, 'lumaveil'), '--new', project, '--resolution', '1024x768', *cls.pictures)
        cls.site = os.path.join(d, 'site')
        run(os.path.join(BIN, 'lumaveil'), '--web-page', project, '--output', cls.site)
        with open(os.path.join(cls.site, 'index.html')) as f:
            cls.page = f.read()
        # The Windows saver when its player is built, else the Linux one.
        cls.played = re.search(r'data-src="([^"]+)"', cls.page).group(1)
        with open(os.path.join(cls.site, cls.played), 'rb') as f:
            good = f.read()
        first = records(os.path.join(cls.site, cls.played))[0]
        bad_trailer = good[:-16] + struct.pack('<4i', 100, 768, 4, first[0])
        past_end = bytearray(good)
        past_end[first[0] + 8:first[0] + 12] = struct.pack('<i', len(good))
        not_jpeg = bytearray(good)
        not_jpeg[first[0] + 12:first[0] + 20] = b'\x89PNG\r\n\x1a\n'
        # A first picture whose frame header says 16384x16384 in a 1024x768 saver.
        too_large = bytearray(good)
        sof = re.search(rb'\xff[\xc0\xc2]', good[first[0] + 12:first[0] + 12 + first[3]]).start() + first[0] + 12
        too_large[sof + 5:sof + 9] = struct.pack('>HH', 16384, 16384)
        for name, data in (('trailer', bad_trailer), ('length', past_end), ('jpeg', not_jpeg),
                           ('size', too_large)):
            with open(os.path.join(cls.site, 'bad-%s.scr' % name), 'wb') as f:
                f.write(data)
            with open(os.path.join(cls.site, 'bad-%s.html' % name), 'w') as f:
                f.write(cls.page.replace('data-src="%s"' % cls.played, 'data-src="bad-%s.scr"' % name))

        # Cross-fade and pan-and-zoom: a still screen, a cross-fade in 1.2 s,
        # a pan-and-zoom screen (its picture 1.25 times larger), at two sizes.
        cls.moving = {}
        for size, large in (('1024x768', '1280x960'), ('1920x1080', '2400x1350')):
            w, h = map(int, size.split('x'))
            lw, lh = map(int, large.split('x'))
            still = demo_pictures(BIN, os.path.join(d, 'pictures-' + size), size, 2)
            panned = demo_pictures(BIN, os.path.join(d, 'pictures-' + large), large, 3)[2]
            saver = cls.moving[size] = os.path.join(d, 'moving-%s.scr' % size)
            pack(ENGINE_BIN, saver, size, [(1, 0, still[0]), (2, 8, still[1]), (3, 9, panned)],
                 entries=[(1500, w, h), (1200, w, h), (1000, lw, lh)])
            run(saver, '--virtual', size, '--frames', os.path.join(d, 'moving-' + size),
                '--at-ms', ','.join(str(t) for t in MOVING_MOMENTS))

        cls.shots = os.path.join(BUILD, 'tests', 'web-screenshots')
        os.makedirs(cls.shots, exist_ok=True)
        cls.server = RangeServer(d)
        cls.whole = RangeServer(cls.site, honour_range=False)
        cls.browser = Browser()

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.server.close()
        cls.whole.close()
        shutil.rmtree(cls.dir, ignore_errors=True)

    def open(self, url):
        self.browser.driver.get(url)

    def first_screen(self, timeout=20):
        """Waits for the page's first screen: the progress line gone and the
        canvas painted; returns the error line's text."""
        return self.browser.run('''
          const end = Date.now() + arguments[0] * 1000;
          for (;;) {
            const error = document.querySelector('.lmv-error');
            if (error && !error.hidden && error.textContent) return error.textContent;
            const progress = document.querySelector('.lmv-progress');
            if (progress && progress.hidden) return '';
            if (Date.now() > end) throw new Error('no first screen');
            await new Promise((r) => setTimeout(r, 20));
          }''', timeout)

    def canvas_colours(self):
        """Distinct colours on a coarse grid of the canvas (a blank canvas has one)."""
        return self.browser.run('''
          const c = document.querySelector('canvas');
          const p = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
          const seen = new Set();
          for (let y = 0; y < c.height; y += Math.ceil(c.height / 16))
            for (let x = 0; x < c.width; x += Math.ceil(c.width / 16)) {
              const i = 4 * (y * c.width + x);
              seen.add((p[i] >> 4) + ',' + (p[i + 1] >> 4) + ',' + (p[i + 2] >> 4));
            }
          return seen.size;''')

    def test_canvas_matches_the_desktop_players_frames(self):
        # (time in ms, frame): the first screen; Up/Down steps 1, 3, 10;
        # Down/Up steps 2 and 7; Stretching steps 1, 5, 10; the wrap-around
        # to the first screen; Up/Down again.
        moments = [(0, 1), (1000, 2), (1100, 4), (1450, 11), (2550, 13), (2800, 18), (4000, 22),
                   (4200, 26), (4450, 31), (5500, 32), (6600, 35)]
        for size in ('1024x768', '800x600', '1280x1024'):
            w, h = map(int, size.split('x'))
            self.open(self.server.url + 'harness.html')
            self.browser.run('''
              while (!window.harnessReady) await new Promise((r) => setTimeout(r, 10));
              await harness.start('four.scr', arguments[0], arguments[1]);''', w, h)
            for at, frame in moments:
                mean, worst = self.browser.run(
                    'await harness.to(arguments[0]); return harness.compare(arguments[1]);',
                    at, 'frames-%s/frame-%04d.ppm' % (size, frame))
                with self.subTest(size=size, at=at, frame=frame):
                    self.assertLessEqual(mean, 1.5)
                    self.assertLessEqual(worst, 24)
            self.assertGreaterEqual(len(self.server.requests('four.scr')), 5)
        # The engine's bytes (before the first record) were never asked for.
        data_offset = trailer(self.saver)[3]
        asked = self.server.requests('four.scr')
        self.assertTrue(all(a[1] and a[1].startswith('bytes=') for a in asked), asked)
        self.assertTrue(all(a[2] >= data_offset for a in asked), asked)

    def test_page_plays_with_range_reads_and_without(self):
        earlier = len(self.server.requests('site/' + self.played))
        self.open(self.server.url + 'site/index.html')
        self.assertEqual(self.first_screen(), '')
        self.assertGreater(self.canvas_colours(), 8)
        name = self.browser.run('return document.querySelector("canvas").getAttribute("aria-label")')
        self.assertEqual(name, 'summer')
        links = self.browser.run('return [...document.querySelectorAll("a.telecharger")].map((a) => a.textContent)')
        self.assertIn('Download for Linux', links)
        saver = os.path.join(self.site, self.played)
        first = records(saver)[0]
        asked = player_reads(self.server.requests('site/' + self.played)[earlier:])
        self.assertTrue(all(start >= first[0] for _, _, start, _ in asked), asked)
        read = sum(n for _, _, _, n in asked)
        self.assertLessEqual(read, 16 + 12 + first[3] + 65536 + 12 + records(saver)[1][3])
        time.sleep(1.5)
        self.browser.driver.save_screenshot(os.path.join(self.shots, 'page-desktop.png'))
        self.browser.phone()
        self.open(self.server.url + 'site/index.html')
        self.assertEqual(self.first_screen(), '')
        # On a phone the links give way to a line; the page has its icon.
        shown = self.browser.run('''
          const seen = (q) => [...document.querySelectorAll(q)].some((e) => e.offsetParent !== null);
          const icon = new Image();
          icon.src = document.querySelector('link[rel=icon]').href;
          await icon.decode();
          return [seen('a.telecharger'), seen('.ordinateur'), icon.naturalWidth > 0];''')
        self.assertEqual(shown, [False, True, True])
        box = self.browser.run('''const r = document.querySelector("canvas").getBoundingClientRect();
                                  const s = document.querySelector(".lmv-stage").getBoundingClientRect();
                                  return [r.width, r.height, innerWidth, r.x === s.x && r.y === s.y];''')
        self.assertLessEqual(box[0], box[2])
        self.assertTrue(box[3], 'the canvas covers the stage')
        self.assertAlmostEqual(box[1], box[0] * 768 / 1024, delta=2)
        time.sleep(1.0)
        self.browser.driver.save_screenshot(os.path.join(self.shots, 'page-phone.png'))
        self.browser.desktop()
        self.assertTrue(self.browser.run('return [...document.querySelectorAll("a.telecharger")].every((a) => a.offsetParent)'))
        self.assertEqual([a for a in self.server.log if 'favicon' in a[0]], [])

        # Full screen from the button; a key comes back, as it ends the saver.
        self.browser.driver.find_element('xpath', '//button[text()="Play full screen"]').click()
        self.assertTrue(self.browser.run('''
          for (let i = 0; i < 200 && !document.fullscreenElement; i += 1) await new Promise((r) => setTimeout(r, 10));
          return document.fullscreenElement === document.querySelector('.lmv-stage');'''))
        ActionChains(self.browser.driver).send_keys('x').perform()
        self.assertTrue(self.browser.run('''
          for (let i = 0; i < 200 && document.fullscreenElement; i += 1) await new Promise((r) => setTimeout(r, 10));
          return !document.fullscreenElement;'''))

        self.open(self.whole.url + 'index.html')
        self.assertEqual(self.first_screen(), '')
        self.assertGreater(self.canvas_colours(), 8)
        self.assertEqual(len(player_reads(self.whole.requests(self.played))), 1)

    def test_page_from_the_disk_plays_the_chosen_file(self):
        self.open('file://' + os.path.join(self.site, 'index.html'))
        hint = self.browser.run('''
          for (let i = 0; i < 200; i += 1) {
            const e = document.querySelector('.lmv-error');
            if (e && !e.hidden) return e.textContent;
            await new Promise((r) => setTimeout(r, 20));
          }''')
        self.assertIn('saver file', hint)
        field = self.browser.driver.find_element('css selector', 'input[type=file]')
        field.send_keys(os.path.join(self.site, 'summer'))
        self.assertEqual(self.first_screen(), '')
        self.assertGreater(self.canvas_colours(), 8)

    def test_damaged_savers_show_one_error_line(self):
        for name in ('trailer', 'length', 'jpeg', 'size'):
            with self.subTest(damage=name):
                self.open(self.server.url + 'site/bad-%s.html' % name)
                self.assertEqual(self.first_screen(), NOT_A_SAVER)
                lines = self.browser.run(
                    'return [...document.querySelectorAll(".lmv-error")].filter((e) => !e.hidden).length')
                self.assertEqual(lines, 1)


    def harness(self, saver, w, h):
        self.open(self.server.url + 'harness.html')
        self.browser.run('''
          while (!window.harnessReady) await new Promise((r) => setTimeout(r, 10));
          await harness.start(arguments[0], arguments[1], arguments[2]);''', saver, w, h)

    def digests(self, moments):
        return [self.browser.run('await harness.to(arguments[0]); return harness.digest();', at) for at in moments]

    def test_cross_fade_and_pan_and_zoom_match_the_virtual_display(self):
        for size in sorted(self.moving):
            w, h = map(int, size.split('x'))
            self.harness(os.path.basename(self.moving[size]), w, h)
            for at in MOVING_MOMENTS:
                mean, worst = self.browser.run(
                    'await harness.to(arguments[0]); return harness.compare(arguments[1]);',
                    at, 'moving-%s/at-%d.ppm' % (size, at))
                with self.subTest(size=size, at=at):
                    self.assertLessEqual(mean, 1.5)
                    self.assertLessEqual(worst, 24)

    def test_reduced_motion_draws_no_fade_and_a_still_picture(self):
        # Mid-fade and just after; then twice during the pan.
        moments = [1600, 1700, 5200, 5800]
        for reduced in (False, True):
            self.browser.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': [
                {'name': 'prefers-reduced-motion', 'value': 'reduce' if reduced else 'no-preference'}]})
            self.harness(os.path.basename(self.moving['1024x768']), 1024, 768)
            d = self.digests(moments)
            with self.subTest(reduced=reduced):
                self.assertEqual(d[0] == d[1], reduced)
                self.assertEqual(d[2] == d[3], reduced)
        self.browser.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': []})

    def test_plays_offline_after_one_visit(self):
        server = RangeServer(self.site)
        try:
            self.open(server.url + 'index.html')
            self.assertEqual(self.first_screen(), '')
            kept = self.browser.run('''
              for (let i = 0; i < 500; i += 1) {
                const keys = await (await caches.open('lumaveil')).keys();
                if (keys.length >= 4) return keys.map((r) => new URL(r.url).pathname).sort();
                await new Promise((r) => setTimeout(r, 20));
              }
              return [];''')
            self.assertEqual(kept, sorted(['/index.html', '/lumaveil_page.js', '/lumaveil_player.js', '/' + self.played]))
            server.down = True
            self.open(server.url + 'index.html')
            self.assertEqual(self.first_screen(), '')
            self.assertGreater(self.canvas_colours(), 8)
        finally:
            server.close()

    def test_full_window_bar_wake_lock_and_stop(self):
        # A browser without element full screen, whose wake lock is logged.
        script = self.browser.driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': '''
          delete Element.prototype.requestFullscreen;
          window.locks = [];
          Object.defineProperty(navigator, 'wakeLock', { value: { request: async (type) => {
            const lock = { type, released: false, release: async () => { lock.released = true; },
                           addEventListener() {} };
            window.locks.push(lock);
            return lock;
          } } });'''})
        try:
            self.open(self.server.url + 'site/index.html')
            self.assertEqual(self.first_screen(), '')
            self.browser.driver.find_element('xpath', '//button[text()="Play full screen"]').click()
            state = 'const s = document.querySelector(".lmv-stage").getBoundingClientRect();' \
                    'return [s.width === innerWidth && s.height === innerHeight, locks.filter((l) => !l.released).length];'
            self.assertEqual(self.browser.run(state), [True, 1])
            bar = self.browser.driver.find_element('css selector', '.lmv-bar')
            self.browser.driver.find_element('css selector', '.lmv-stage canvas').click()
            self.assertIn('lmv-shown', bar.get_attribute('class'))
            # The bar fades in: its labels are read as they are, not as
            # WebDriver sees them while the fade has barely begun.
            labels = [b.get_attribute('textContent') for b in bar.find_elements('css selector', 'button')]
            self.assertEqual(labels, ['Pause', 'Previous', 'Next', 'Leave full screen'])
            self.browser.driver.save_screenshot(os.path.join(self.shots, 'page-full-window-bar.png'))
            picture = 'const c = document.querySelector("canvas"); return c.toDataURL("image/jpeg", 0.5).length;'
            before = self.browser.run(picture)
            bar.find_element('xpath', 'button[text()="Next"]').click()
            self.assertTrue(self.browser.run('''
              const c = document.querySelector("canvas");
              for (let i = 0; i < 200; i += 1) {
                if (c.toDataURL("image/jpeg", 0.5).length !== arguments[0]) return true;
                await new Promise((r) => setTimeout(r, 20));
              }
              return false;''', before))
            bar.find_element('xpath', 'button[text()="Pause"]').click()
            self.assertEqual(self.browser.run('return locks.filter((l) => !l.released).length'), 0)
            bar.find_element('xpath', 'button[text()="Play"]').click()
            bar.find_element('xpath', 'button[text()="Leave full screen"]').click()
            self.assertEqual(self.browser.run(state), [False, 0])
            # The bar fades out by itself.
            self.assertTrue(self.browser.run('''
              const bar = document.querySelector(".lmv-bar");
              for (let i = 0; i < 100 && bar.classList.contains("lmv-shown"); i += 1) await new Promise((r) => setTimeout(r, 50));
              return !bar.classList.contains("lmv-shown");'''))
        finally:
            self.browser.driver.execute_cdp_cmd('Page.removeScriptToEvaluateOnNewDocument',
                                                {'identifier': script['identifier']})

        # A player stopped leaves no listener, observer, timer or element.
        left = self.browser.run('''
          const { mountPlayer } = await import('./lumaveil_page.js');
          const added = [];
          const real = { add: EventTarget.prototype.addEventListener, set: setTimeout.bind(window),
                         every: setInterval.bind(window), clearT: clearTimeout.bind(window), clearI: clearInterval.bind(window),
                         observe: ResizeObserver.prototype.observe, off: ResizeObserver.prototype.disconnect };
          let observing = 0;
          const live = new Set();
          EventTarget.prototype.addEventListener = function (type, f, o) { added.push(o && o.signal); return real.add.call(this, type, f, o); };
          window.setTimeout = (f, ms) => { const id = real.set(() => { live.delete(id); f(); }, ms); live.add(id); return id; };
          window.setInterval = (f, ms) => { const id = real.every(f, ms); live.add(id); return id; };
          const clear = (c) => (id) => { live.delete(id); c(id); };
          window.clearTimeout = clear(real.clearT);
          window.clearInterval = clear(real.clearI);
          ResizeObserver.prototype.observe = function (...a) { observing += 1; return real.observe.apply(this, a); };
          ResizeObserver.prototype.disconnect = function () { observing -= 1; return real.off.call(this); };
          const root = document.createElement('div');
          document.body.append(root);
          const mounted = mountPlayer(root, { src: arguments[0], name: 'again' });
          for (let i = 0; i < 400 && !(mounted.player && mounted.player.shown); i += 1) await new Promise((r) => real.set(r, 20));
          root.querySelector('canvas').click();
          mounted.stop();
          return [added.length > 3 && added.every((s) => s && s.aborted), observing, live.size, root.childElementCount,
                  !!document.getElementById('lmv-style') === document.querySelectorAll('.lmv-stage').length > 0];''',
            self.played)
        self.assertEqual(left, [True, 0, 0, 0, True])

if __name__ == '__main__':
    unittest.main(verbosity=2)
