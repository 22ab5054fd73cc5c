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

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(os.path.dirname(HERE))
BUILD = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else os.path.join(SOURCE, 'build')
BIN = os.path.join(BUILD, 'bin')
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
        run(os.path.join(BIN, 'lmvpack'), cls.saver, os.path.join(BIN, 'LmvEngine'), '1024x768',
            *['1:%d:%s' % (effect, p) for effect, p in zip((0, 1, 4, 6), cls.pictures)])
        os.chmod(cls.saver, 0o755)
        for size in ('1024x768', '800x600', '1280x1024'):
            run(cls.saver, '--virtual', size, '--frames', os.path.join(d, 'frames-' + size), '--draws', '36')
        for name in ('lumaveil_player.js',):
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
        for name, data in (('trailer', bad_trailer), ('length', past_end), ('jpeg', not_jpeg)):
            with open(os.path.join(cls.site, 'bad-%s.scr' % name), 'wb') as f:
                f.write(data)
            with open(os.path.join(cls.site, 'bad-%s.html' % name), 'w') as f:
                f.write(cls.page.replace('data-src="%s"' % cls.played, 'data-src="bad-%s.scr"' % name))

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
        self.open(self.server.url + 'site/index.html')
        self.assertEqual(self.first_screen(), '')
        self.assertGreater(self.canvas_colours(), 8)
        name = self.browser.run('return document.querySelector("canvas").getAttribute("aria-label")')
        self.assertEqual(name, 'summer')
        links = self.browser.run('return [...document.querySelectorAll("a.telecharger")].map((a) => a.textContent)')
        self.assertIn('Download for Linux', links)
        saver = os.path.join(self.site, self.played)
        first = records(saver)[0]
        asked = self.server.requests('site/' + self.played)
        self.assertTrue(all(start >= first[0] for _, _, start, _ in asked), asked)
        read = sum(n for _, _, _, n in asked)
        self.assertLessEqual(read, 16 + 12 + first[3] + 65536 + 12 + records(saver)[1][3])
        time.sleep(1.5)
        self.browser.driver.save_screenshot(os.path.join(self.shots, 'page-desktop.png'))
        self.browser.phone()
        self.open(self.server.url + 'site/index.html')
        self.assertEqual(self.first_screen(), '')
        box = self.browser.run('''const r = document.querySelector("canvas").getBoundingClientRect();
                                  return [r.width, r.height, innerWidth];''')
        self.assertLessEqual(box[0], box[2])
        self.assertAlmostEqual(box[1], box[0] * 768 / 1024, delta=2)
        time.sleep(1.0)
        self.browser.driver.save_screenshot(os.path.join(self.shots, 'page-phone.png'))
        self.browser.desktop()

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
        self.assertEqual(len(self.whole.requests(self.played)), 1)

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
        for name in ('trailer', 'length', 'jpeg'):
            with self.subTest(damage=name):
                self.open(self.server.url + 'site/bad-%s.html' % name)
                self.assertEqual(self.first_screen(), NOT_A_SAVER)
                lines = self.browser.run(
                    'return [...document.querySelectorAll(".lmv-error")].filter((e) => !e.hidden).length')
                self.assertEqual(lines, 1)


if __name__ == '__main__':
    unittest.main(verbosity=2)
