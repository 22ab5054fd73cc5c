"""Serves DIR on 127.0.0.1 (with Range) and opens PAGE in headless
Chromium: exits 0 when the page draws the saver's first screen without
asking for the bytes before its first record, 1 otherwise (saying why).

Usage: plays.py DIR PAGE"""

import os
import re
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from browser import Browser  # noqa: E402
from range_server import RangeServer  # noqa: E402


def main(root, page):
    with open(os.path.join(root, page)) as f:
        saver = re.search(r'data-src="([^"]+)"', f.read()).group(1)
    with open(os.path.join(root, saver), 'rb') as f:
        f.seek(-4, os.SEEK_END)
        data_offset = struct.unpack('<i', f.read(4))[0]
    server = RangeServer(root)
    browser = Browser()
    try:
        browser.driver.get(server.url + page)
        shown = browser.run('''
          for (let i = 0; i < 1000; i += 1) {
            const error = document.querySelector('.lmv-error');
            if (error && !error.hidden && error.textContent) return error.textContent;
            const progress = document.querySelector('.lmv-progress');
            if (progress && progress.hidden) return '';
            await new Promise((r) => setTimeout(r, 20));
          }
          return 'no first screen';''')
        asked = server.requests(saver)
    finally:
        browser.close()
        server.close()
    if shown:
        print('the page says: ' + shown)
        return 1
    early = [a for a in asked if a[2] < data_offset]
    if early or not asked:
        print('reads of the saver: %r (records start at %d)' % (asked, data_offset))
        return 1
    print('played, %d reads of the saver' % len(asked))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2]))
