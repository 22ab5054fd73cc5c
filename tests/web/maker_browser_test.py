"""The web maker (build/web-maker) in headless Chromium, served from
127.0.0.1, against the desktop's `lumaveil`.

Usage: maker_browser_test.py BUILD_DIR

Photos made by lmvdemo and one damaged photo are added through the file
input; a screen is turned and given a caption through its controls, one is
moved down the list by the keyboard; the Windows saver the page downloads
is then the one `lumaveil --generate` writes for the project the page holds.
A crop is drawn by a mouse drag and again by a finger on the large screen,
a border pattern is picked from the bank; the project saved as a zip opens
again the same, the web page folder comes as a zip and "Preview" plays.
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
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402
from selenium.webdriver.common.actions import interaction  # noqa: E402
from selenium.webdriver.common.actions.action_builder import ActionBuilder  # noqa: E402
from selenium.webdriver.common.actions.pointer_input import PointerInput  # noqa: E402

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
        # One clear line for the damaged photo, whatever its decoder said.
        self.assertEqual(said.count('damaged.jpg'), 1, said)
        # Every control the page shows has a name for assistive technology.
        controls = {'button', 'textbox', 'combobox', 'slider', 'checkbox', 'spinbutton', 'listbox',
                    'ColorWell'}
        tree = d.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']
        unnamed = [n.get('role', {}).get('value') for n in tree
                   if not n.get('ignored') and n.get('role', {}).get('value') in controls
                   and not n.get('name', {}).get('value', '').strip()]
        self.assertEqual(unnamed, [])
        self.assertGreater(sum(n.get('role', {}).get('value') in controls for n in tree), 30)
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

    def download(self, name, timeout=120):
        path = os.path.join(self.downloads, name)
        end = time.time() + timeout
        while not os.path.exists(path) and time.time() < end:
            time.sleep(0.2)
        self.assertTrue(os.path.exists(path), self.browser.driver.find_element(By.ID, 'status').text)
        return path

    def drag(self, kind, start, stop):
        """A press at `start`, a move to `stop` and a release, in CSS pixels
        of the page, by a mouse or a finger."""
        d = self.browser.driver
        pointer = PointerInput(kind, 'finger' if kind == interaction.POINTER_TOUCH else 'mouse')
        actions = ActionBuilder(d, mouse=pointer, duration=50)
        actions.pointer_action.move_to_location(*start).pointer_down()
        for step in (1, 2, 3):
            actions.pointer_action.move_to_location(
                start[0] + (stop[0] - start[0]) * step // 3, start[1] + (stop[1] - start[1]) * step // 3)
        actions.pointer_action.pointer_up()
        actions.perform()

    def test_2_crop_by_drag_patterns_project_zip_web_page_and_preview(self):
        d = self.browser.driver
        project = "return window.lumaveilMaker.project()"
        self.screens()[2].click()
        self.idle()
        index = 2
        for kind in (interaction.POINTER_MOUSE, interaction.POINTER_TOUCH):
            if kind == interaction.POINTER_TOUCH:  # a finger on a tablet
                d.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
                    'width': 820, 'height': 1180, 'deviceScaleFactor': 1, 'mobile': True})
                d.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 5})
            d.find_element(By.ID, 'crop').click()
            self.wait("return document.getElementById('screen').classList.contains('cropping')")
            # The picture's pixels under the page's points, as the page maps them.
            box = self.browser.run(
                "const c = document.getElementById('screen'), r = c.getBoundingClientRect();"
                "const s = Math.min(r.width / c.width, r.height / c.height);"
                "return [r.left + (r.width - c.width * s) / 2, r.top + (r.height - c.height * s) / 2, s,"
                " c.width, c.height];")
            left, top, scale, width, height = box
            if kind == interaction.POINTER_TOUCH:
                d.save_screenshot(os.path.join(self.shots, 'maker-crop-tablet.png'))
            want = [width // 5, height // 4, width * 3 // 4, height * 4 // 5] if kind == interaction.POINTER_MOUSE \
                else [width // 3, height // 3, width - 10, height - 5]
            at = lambda x, y: (int(left + x * scale), int(top + y * scale))  # noqa: E731
            self.drag(kind, at(want[0], want[1]), at(want[2], want[3]))
            self.wait(project + ".ecrans[%d].RecoupeUtilisation === 1 && "
                      "!document.getElementById('screen').classList.contains('cropping')" % index)
            self.idle()
            got = d.execute_script(project + ".ecrans[%d].RecoupeRectangle" % index)
            for g, w in zip(got, want):
                self.assertLessEqual(abs(g - w), 2 / scale + 1, (kind, got, want))
        d.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': False})
        d.execute_cdp_cmd('Emulation.clearDeviceMetricsOverride', {})
        # A border of pattern 4 from the bank.
        d.find_element(By.ID, 'border-pattern').click()
        self.wait("return document.getElementById('patterns').open")
        d.find_element(By.CSS_SELECTOR, '#pattern-grid [aria-label="Pattern 4"]').click()
        self.wait(project + ".ecrans[%d].CadreMotifUtilisation === 1" % index)
        self.assertEqual(d.execute_script(project + ".ecrans[%d].CadreMotif" % index), 3)
        self.idle()
        self.shoot('maker-editors-1280x720.png', 1280, 720)

        # Saved as a zip, and opened again: the same project.
        before = d.execute_script(project)
        d.find_element(By.ID, 'save').click()
        saved = self.download('lumaveil-project.zip')
        with zipfile.ZipFile(saved) as z:
            names = z.namelist()
        self.assertEqual(names[0], 'project.lmv')
        self.assertEqual(len(names), 1 + len({s['CheminImage'] for s in before['ecrans']}))
        d.find_element(By.ID, 'undo').click()  # a change the opened project does not have
        self.idle()
        d.find_element(By.ID, 'open').send_keys(saved)
        self.wait(project + ".ecrans[%d].CadreMotif === 3" % index)
        self.idle()
        self.assertEqual(d.execute_script(project), before)
        self.assertTrue(d.find_element(By.ID, 'undo').get_attribute('disabled'))

        # The web page folder.
        d.find_element(By.ID, 'make-web').click()
        page = self.download('lumaveil-web-page.zip')
        with zipfile.ZipFile(page) as z:
            names = set(z.namelist())
        self.assertLessEqual({'lumaveil-web-page/index.html', 'lumaveil-web-page/lumaveil_page.js',
                             'lumaveil-web-page/lumaveil_player.js'}, names)
        self.assertTrue(names & {'lumaveil-web-page/lumaveil', 'lumaveil-web-page/lumaveil.scr'}, names)

        # "Preview" plays the project here with the web player.
        d.find_element(By.ID, 'preview').click()
        self.wait("const c = document.querySelector('#player-screen canvas');"
                  "return c && c.width > 1 && document.querySelector('#player-screen .lmv-progress').hidden;")
        d.find_element(By.ID, 'player-close').click()
        self.wait("return document.getElementById('player').hidden")

    def test_3_works_with_the_network_cut(self):
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
