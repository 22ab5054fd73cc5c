"""Headless Chromium under Selenium for the web player's tests and
benchmark: Debian's chromium and chromium-driver, a fresh profile, nothing
fetched from the network."""

import os
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                  '--disable-background-networking', '--disable-component-update', '--disable-sync',
                  '--force-color-profile=srgb', '--hide-scrollbars']


class Browser:
    def __init__(self, width=1280, height=900):
        self.profile = tempfile.mkdtemp(prefix='lmv-chromium-')
        options = webdriver.ChromeOptions()
        options.binary_location = shutil.which('chromium') or '/usr/bin/chromium'
        for flag in CHROMIUM_FLAGS:
            options.add_argument(flag)
        options.add_argument('--user-data-dir=' + self.profile)
        options.add_argument('--window-size=%d,%d' % (width, height))
        options.add_argument('--allow-file-access-from-files=false')
        service = Service(executable_path=shutil.which('chromedriver') or '/usr/bin/chromedriver')
        self.driver = webdriver.Chrome(service=service, options=options)
        self.driver.set_script_timeout(120)

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)

    def run(self, script, *args):
        """Runs an async function body; its result (or its error) comes back."""
        wrapped = ('const done = arguments[arguments.length - 1];'
                   '(async () => {' + script + '})(...arguments).then('
                   '(v) => done({ok: v === undefined ? null : v}), (e) => done({error: String(e)}));')
        result = self.driver.execute_async_script(wrapped, *args)
        if 'error' in result:
            raise AssertionError(result['error'])
        return result['ok']

    def phone(self):
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': 390, 'height': 844, 'deviceScaleFactor': 3, 'mobile': True})
        self.driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 5})

    def desktop(self):
        self.driver.execute_cdp_cmd('Emulation.clearDeviceMetricsOverride', {})
        self.driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': False})
