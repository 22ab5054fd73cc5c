"""The web maker (build/web-maker) in headless Chromium, served from
127.0.0.1, against the desktop's `lumaveil`.

Usage: maker_browser_test.py BUILD_DIR

Photos made by lmvdemo and one damaged photo are added through the file
input; a screen is turned and given a caption through its controls, one is
moved down the list by the keyboard; the Windows saver the page downloads
is then the one `lumaveil --generate` writes for the project the page holds.
The page opens again and makes a screen with the network cut. Screenshots
at 1920x1080, 1280x720 and a tablet's size go to
BUILD_DIR/tests/web-screenshots."""

import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

from browser import Browser  # noqa: E402
from static_server import StaticServer  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(os.path.dirname(HERE))
BUILD = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else os.path.join(SOURCE, 'build')
BIN = os.path.join(BUILD, 'bin')
SITE = os.path.join(BUILD, 'web-maker')


def run(*args, cwd=None):
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, cwd=cwd)


class WebMaker(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.mkdtemp(prefix='lmv-maker-')
        pictures = os.path.join(cls.dir, 'pictures')
        run(os.path.join(BIN, 'lmvdemo'), pictures, '800x600')
        with open(os.path.join(pictures, 'pictures.txt')) as f:
            names = [line.strip().split(':')[-1] for line in f if line.strip()][:3]
        cls.photos = [os.path.join(pictures, n) for n in names]
        damaged = os.path.join(cls.dir, 'damaged.jpg')
        with open(cls.photos[0], 'rb') as f, open(damaged, 'wb') as out:
            out.write(f.read()[:400])
        cls.photos.append(damaged)
        cls.downloads = os.path.join(cls.dir, 'downloads')
        os.makedirs(cls.downloads)
        cls.shots = os.path.join(BUILD, 'tests', 'web-screenshots')
        os.makedirs(cls.shots, exist_ok=True)
        cls.server = StaticServer(SITE)
        cls.browser = Browser(1280, 720)
        cls.browser.driver.execute_cdp_cmd('Browser.setDownloadBehavior',
                                           {'behavior': 'allow', 'downloadPath': cls.downloads})

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.server.close()
        shutil.rmtree(cls.dir, ignore_errors=True)

    def wait(self, script, timeout=60):
        end = time.time() + timeout
        while time.time() < end:
            value = self.browser.driver.execute_script(script)
            if value:
                return value
            time.sleep(0.1)
        self.fail('timed out waiting for: ' + script)

    def open_page(self):
        self.browser.driver.get(self.server.url)
        self.wait("return document.body.dataset.ready === 'true'")

    def screens(self):
        return self.browser.driver.find_elements(By.CSS_SELECTOR, '#screens li')

    def idle(self):
        """The page has drawn every thumbnail it was asked for."""
        self.wait("return document.body.dataset.busy !== 'true'")

    def shoot(self, name, width, height):
        d = self.browser.driver
        d.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': width < 1100})
        time.sleep(0.3)
        d.save_screenshot(os.path.join(self.shots, name))
        d.execute_cdp_cmd('Emulation.clearDeviceMetricsOverride', {})

    def test_1_photos_edits_and_the_saver_the_desktop_makes(self):
        d = self.browser.driver
        self.open_page()
        d.find_element(By.ID, 'photos').send_keys('\n'.join(self.photos))
        self.wait("return document.querySelectorAll('#screens li').length === 4")
        self.idle()
        said = d.find_element(By.ID, 'messages').text
        self.assertIn('Unable to load file: photos/damaged.jpg', said)
        # The first screen turned and captioned, then moved one down.
        self.screens()[0].click()
        d.find_element(By.ID, 'rotate-right').click()
        self.wait("return window.lumaveilMaker.project().ecrans[0].RotationAngle === 180")
        caption = d.find_element(By.ID, 'caption')
        caption.send_keys('Summer at the lake', Keys.TAB)
        self.wait("return window.lumaveilMaker.project().ecrans[0].Textes[0].Utilisation === 1")
        d.find_element(By.ID, 'screens').send_keys(Keys.ALT, Keys.ARROW_DOWN)
        self.wait("return window.lumaveilMaker.project().ecrans[1].RotationAngle === 180")
        self.idle()
        for name, w, h in (('maker-1920x1080.png', 1920, 1080), ('maker-1280x720.png', 1280, 720),
                           ('maker-tablet.png', 820, 1180)):
            self.shoot(name, w, h)
        # Undo takes the move back.
        d.find_element(By.ID, 'undo').click()
        self.wait("return window.lumaveilMaker.project().ecrans[0].RotationAngle === 180")
        self.idle()

        # The Windows saver when its player is part of the page, else the Linux one.
        engine = os.path.join(SITE, 'engines', 'LmvEngine.exe')
        platform, name = 'windows', 'lumaveil.scr'
        if not os.path.exists(engine):
            engine = os.path.join(SITE, 'engines', 'LmvEngine')
            platform, name = 'linux', 'lumaveil-saver'
        d.find_element(By.ID, 'make-' + platform).click()
        saver = os.path.join(self.downloads, name)
        end = time.time() + 120
        while not os.path.exists(saver) and time.time() < end:
            time.sleep(0.2)
        self.assertTrue(os.path.exists(saver), d.find_element(By.ID, 'status').text)
        # The project and photos the page holds, generated by the desktop.
        here = os.path.join(self.dir, 'desktop')
        files = self.browser.run('return await window.lumaveilMaker.files();')
        for path, data in files:
            os.makedirs(os.path.dirname(os.path.join(here, path)), exist_ok=True)
            with open(os.path.join(here, path), 'wb') as f:
                f.write(bytes(data))
        native = os.path.join(self.dir, 'native')
        result = subprocess.run([os.path.join(BIN, 'lumaveil'), '--generate', 'projet.lmv', '--output',
                                 native, '--platform', platform, '--engine', engine,
                                 '--quality', '75'], cwd=here, capture_output=True, text=True)
        self.assertEqual(result.returncode, 2, result.stderr)  # the damaged photo
        with open(saver, 'rb') as a, open(native, 'rb') as b:
            self.assertEqual(a.read(), b.read())

    def test_2_works_with_the_network_cut(self):
        d = self.browser.driver
        self.open_page()
        self.wait("return navigator.serviceWorker.controller !== null")
        d.set_network_conditions(offline=True, latency=0, throughput=0)
        try:
            self.open_page()
            d.find_element(By.ID, 'photos').send_keys(self.photos[1])
            self.wait("return document.querySelectorAll('#screens li').length === 1")
            self.idle()
            self.assertTrue(self.browser.run(
                "const c = document.getElementById('screen');"
                "const p = c.getContext('2d').getImageData(c.width >> 1, c.height >> 1, 1, 1).data;"
                "return p[0] + p[1] + p[2] > 0;"))
        finally:
            d.delete_network_conditions()


if __name__ == '__main__':
    unittest.main(verbosity=2)
