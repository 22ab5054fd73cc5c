"""The web maker in headless Chromium, timed beside the desktop's
`lumaveil` in the same run: page load to usable on a first visit and with
the network cut, the bytes a first visit downloads (gzip-compressed, as a
server sends them), one screen of a 12 MP JPEG rendered at 1920x1080 and
20 such screens generated, and the memory of the tab (its renderer
processes, the generation's workers included) with 200 such photos in
the project, at rest and while it generates on every core (stopped after
a few screens). Prints TABLE lines for scripts/bench.

The page's times are taken in the page, from the moment the user's choice
reaches it (the file input's change, the button's click) to the moment
the screen shows or the saver is made, as the native times run from the
command's start to its end: what WebDriver spends carrying the test's
requests to the browser, and its polling, are not the page's. A screen
is timed three times on each side (the browser's each on a page just
opened) and the medians compared; the generation once in the browser
against the native median.

Usage: web_maker_bench.py BUILD_DIR"""

import gzip
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(SOURCE, 'tests', 'web'))
from browser import Browser  # noqa: E402
from static_server import StaticServer  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402

BUILD = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else os.path.join(SOURCE, 'build')
BIN = os.path.join(BUILD, 'bin')
SITE = os.path.join(BUILD, 'web-maker')


def table(name, figure, target, met, peer='-', peer_figure='-', ratio='-'):
    """A line of scripts/bench's table: work, figure, peer, its figure, ratio, target, met."""
    print('TABLE\tWeb maker: %s\t%s\t%s\t%s\t%s\t%s\t%s'
          % (name, figure, peer, peer_figure, ratio, target, 'yes' if met else 'NO'))


def against(name, browser, native, peer):
    table(name, '%.2f s' % browser, '<= 2x', browser <= 2 * native, peer, '%.2f s' % native,
          '%.2f' % (browser / native))


def renderers(root):
    """The pids of Chromium's renderer processes below `root`."""
    children = {}
    for entry in os.listdir('/proc'):
        if not entry.isdigit():
            continue
        try:
            with open('/proc/%s/stat' % entry) as f:
                parent = int(f.read().rsplit(')', 1)[1].split()[1])
        except (OSError, ValueError, IndexError):
            continue
        children.setdefault(parent, []).append(int(entry))
    found, todo = [], [root]
    while todo:
        for child in children.get(todo.pop(), []):
            todo.append(child)
            try:
                with open('/proc/%d/cmdline' % child, 'rb') as f:
                    if b'--type=renderer' in f.read():
                        found.append(child)
            except OSError:
                pass
    return found


def tab_memory(root):
    """What the tab holds in memory: the resident set of every renderer
    process (the page's and its workers', which Chromium runs there)."""
    total = 0
    for pid in renderers(root):
        try:
            with open('/proc/%d/status' % pid) as f:
                for line in f:
                    if line.startswith('VmRSS:'):
                        total += int(line.split()[1]) * 1024
        except OSError:
            pass
    return total


class PeakMemory:
    """The most the tab held while the block ran, sampled every 50 ms."""

    def __init__(self, root):
        self.root, self.peak, self.running = root, 0, True

    def __enter__(self):
        self.thread = threading.Thread(target=self.sample)
        self.thread.start()
        return self

    def sample(self):
        while self.running:
            self.peak = max(self.peak, tab_memory(self.root))
            time.sleep(0.05)

    def __exit__(self, *_):
        self.running = False
        self.thread.join()


# Arms, in the page, a measure of the time between the file input's change
# (`begin` 'change') or a click on the element `begin` (made here), and the
# moment the JS expression `finished` first holds after it: seconds, as the
# page's clock tells them, in the promise window.__measured.
ARM_IN_PAGE = """
const [begin, finished] = arguments;
const done = new Function('return ' + finished);
let t0 = null;
window.__measured = new Promise((resolve) => {
  const observer = new MutationObserver(() => {
    if (t0 === null || !done()) return;
    observer.disconnect();
    resolve((performance.now() - t0) / 1000);
  });
  observer.observe(document.body, { attributes: true, childList: true, characterData: true, subtree: true });
});
if (begin === 'change') {
  document.getElementById('photos').addEventListener('change', () => { t0 = performance.now(); },
                                                     { capture: true, once: true });
} else {
  t0 = performance.now();
  document.getElementById(begin).click();
}
"""


def arm(d, begin, finished):
    d.execute_script(ARM_IN_PAGE, begin, finished)


def measured(d):
    d.set_script_timeout(300)
    return d.execute_async_script('window.__measured.then(arguments[arguments.length - 1])')


# Runs of a short measure whose median is taken: one run of a command of a
# tenth of a second varies by half of it from one run to the next.
RUNS = 3


def median_of(runs, measure):
    """The median of `runs` calls of measure(run)."""
    figures = sorted(measure(*([run] if measure.__code__.co_argcount else [])) for run in range(runs))
    return figures[len(figures) // 2]


def timed(*args, cwd=None):
    start = time.perf_counter()
    subprocess.run(args, check=True, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return time.perf_counter() - start


def main():
    work = tempfile.mkdtemp(prefix='lmv-maker-bench-')
    try:
        # A 12 MP photo: a demo picture enlarged by the desktop itself.
        run_dir = os.path.join(work, 'pictures')
        subprocess.run([os.path.join(BIN, 'lmvdemo'), run_dir, '1024x768'], check=True,
                       stdout=subprocess.DEVNULL)
        with open(os.path.join(run_dir, 'pictures.txt')) as f:
            first = [line.strip().split(':')[-1] for line in f if line.strip()][0]
        small = os.path.join(work, 'small.lmv')
        subprocess.run([os.path.join(BIN, 'lumaveil'), '--new', small, '--resolution', '4000x3000',
                        os.path.join(run_dir, first)], check=True, stderr=subprocess.DEVNULL)
        photo = os.path.join(work, 'photo.jpg')
        subprocess.run([os.path.join(BIN, 'lumaveil'), '--render', small, '--screen', '1', '--output',
                        photo, '--quality', '92'], check=True, stderr=subprocess.DEVNULL)

        total = 0
        for root, _, files in os.walk(SITE):
            for name in files:
                with open(os.path.join(root, name), 'rb') as f:
                    total += len(gzip.compress(f.read(), 6))
        table('first visit download (gzip)', '%.2f MB' % (total / 1e6), '<= 6 MB', total <= 6e6)

        server = StaticServer(SITE)
        browser = Browser(1280, 720)
        d = browser.driver
        try:
            for visit in ('first visit', 'offline'):
                if visit == 'offline':
                    d.set_network_conditions(offline=True, latency=0, throughput=0)
                start = time.perf_counter()
                d.get(server.url)
                while d.execute_script("return document.body.dataset.ready !== 'true'"):
                    time.sleep(0.01)
                limit = 1.5 if visit == 'first visit' else 0.5
                seconds = time.perf_counter() - start
                table('page load to usable, ' + visit, '%.2f s' % seconds, '<= %.1f s' % limit,
                      seconds <= limit)
                if visit == 'first visit':
                    while not d.execute_script('return navigator.serviceWorker.controller'):
                        time.sleep(0.05)
            d.delete_network_conditions()

            # One screen, then twenty: the page's own core against the desktop.
            project = os.path.join(work, 'one.lmv')
            subprocess.run([os.path.join(BIN, 'lumaveil'), '--new', project, '--resolution',
                            '1920x1080', photo], check=True, stderr=subprocess.DEVNULL)
            native = median_of(RUNS, lambda: timed(os.path.join(BIN, 'lumaveil'), '--render', project,
                                                   '--screen', '1', '--output',
                                                   os.path.join(work, 'one.bmp')))

            def first_photo(run):
                # Each time the first photo of a page just opened.
                if run:
                    d.get(server.url)
                    while d.execute_script("return document.body.dataset.ready !== 'true'"):
                        time.sleep(0.01)
                d.find_element(By.ID, 'resolution').send_keys('1920x1080')
                arm(d, 'change', "document.querySelector('#screens li') && document.body.dataset.busy !== 'true'")
                d.find_element(By.ID, 'photos').send_keys(photo)
                return measured(d)
            browser_render = median_of(RUNS, first_photo)
            against('add and render one 12 MP photo at 1920x1080', browser_render, native,
                    'lumaveil --render')

            twenty = os.path.join(work, 'twenty.lmv')
            subprocess.run([os.path.join(BIN, 'lumaveil'), '--new', twenty, '--resolution',
                            '1920x1080'] + [photo] * 20, check=True, stderr=subprocess.DEVNULL)
            engine = os.path.join(BIN, 'LmvEngine')
            native = median_of(RUNS, lambda: timed(os.path.join(BIN, 'lumaveil'), '--generate', twenty,
                                                   '--output', os.path.join(work, 'twenty'),
                                                   '--platform', 'linux', '--engine', engine))
            d.find_element(By.ID, 'photos').send_keys('\n'.join([photo] * 19))
            while d.execute_script("return document.querySelectorAll('#screens li').length < 20 ||"
                                   " document.body.dataset.busy === 'true'"):
                time.sleep(0.05)
            arm(d, 'make-linux', "/is made/.test(document.getElementById('status').textContent)")
            browser_generate = measured(d)
            against('generate 20 such screens', browser_generate, native, 'lumaveil --generate')

            # 200 photos of 12 MP (one picture under 200 names) in a new
            # project: the tab at rest with their thumbnails drawn, then
            # while it generates, stopped once every worker made a few screens.
            many = os.path.join(work, 'many')
            os.makedirs(many)
            names = []
            for n in range(200):
                names.append(os.path.join(many, 'photo-%03d.jpg' % n))
                os.link(photo, names[-1])
            root = browser.driver.service.process.pid
            d.get(server.url)
            while d.execute_script("return document.body.dataset.ready !== 'true'"):
                time.sleep(0.05)
            d.find_element(By.ID, 'resolution').send_keys('1920x1080')
            with PeakMemory(root) as adding:
                d.find_element(By.ID, 'photos').send_keys('\n'.join(names))
                while d.execute_script("return document.querySelectorAll('#screens li').length < 200 ||"
                                       " document.body.dataset.busy === 'true'"):
                    time.sleep(0.1)
            limit = 1.5 * 2 ** 30
            table('tab memory, 200 photos of 12 MP added', '%.2f GiB' % (adding.peak / 2 ** 30),
                  '<= 1.5 GiB', adding.peak <= limit)
            workers = d.execute_script('return navigator.hardwareConcurrency')
            with PeakMemory(root) as generating:
                d.find_element(By.ID, 'make-linux').click()
                while d.execute_script("return (document.getElementById('progress').value || 0) < %d"
                                       % (3 * workers)):
                    time.sleep(0.1)
                d.find_element(By.ID, 'stop').click()
                while not d.execute_script("return /^Stopped/.test(document.getElementById('status').textContent)"):
                    time.sleep(0.05)
            table('tab memory, generating those 200 on %d workers' % workers,
                  '%.2f GiB' % (generating.peak / 2 ** 30), '<= 1.5 GiB', generating.peak <= limit)
        finally:
            browser.close()
            server.close()
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == '__main__':
    main()
