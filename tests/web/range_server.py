"""A static HTTP server on 127.0.0.1 for the browser tests and the
benchmark: serves one directory, honours Range requests (or answers every
request whole, as a server without Range support does) and logs each
request's path, Range header and the bytes it sent."""

import http.server
import os
import re
import threading
import urllib.parse

TYPES = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.ppm': 'image/x-portable-pixmap'}


class RangeServer:
    def __init__(self, root, honour_range=True):
        self.root = os.path.realpath(root)
        self.honour_range = honour_range
        self.log = []  # (path, range header or None, first byte, bytes sent)
        self.down = False  # when set, every request is dropped unanswered, as when offline
        self.lock = threading.Lock()
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            protocol_version = 'HTTP/1.1'

            def log_message(self, *args):
                pass

            def do_GET(self):
                server.answer(self)

        self.httpd = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Handler)
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    @property
    def url(self):
        return 'http://127.0.0.1:%d/' % self.httpd.server_address[1]

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()

    def requests(self, name):
        with self.lock:
            return [entry for entry in self.log if entry[0] == '/' + name]

    def answer(self, handler):
        if self.down:
            handler.close_connection = True
            return
        path = urllib.parse.unquote(urllib.parse.urlsplit(handler.path).path)
        file = os.path.realpath(os.path.join(self.root, path.lstrip('/')))
        if not file.startswith(self.root + os.sep) or not os.path.isfile(file):
            self.send(handler, 404, b'not found', {})
            return
        with open(file, 'rb') as f:
            data = f.read()
        size = len(data)
        asked = handler.headers.get('Range')
        headers = {'Content-Type': TYPES.get(os.path.splitext(file)[1], 'application/octet-stream'),
                   'Cache-Control': 'no-store'}
        if self.honour_range:
            headers['Accept-Ranges'] = 'bytes'
        start, status, body = 0, 200, data
        if asked and self.honour_range:
            m = re.fullmatch(r'bytes=(\d*)-(\d*)', asked.strip())
            if not m or (m.group(1) == '' and m.group(2) == ''):
                self.send(handler, 416, b'', {'Content-Range': 'bytes */%d' % size})
                return
            if m.group(1) == '':
                start, end = max(0, size - int(m.group(2))), size - 1
            else:
                start = int(m.group(1))
                end = min(size - 1, int(m.group(2))) if m.group(2) else size - 1
            if start >= size or end < start:
                self.send(handler, 416, b'', {'Content-Range': 'bytes */%d' % size})
                return
            status, body = 206, data[start:end + 1]
            headers['Content-Range'] = 'bytes %d-%d/%d' % (start, end, size)
        with self.lock:
            self.log.append((path, asked, start, len(body)))
        self.send(handler, status, body, headers)

    @staticmethod
    def send(handler, status, body, headers):
        handler.send_response(status)
        for name, value in headers.items():
            handler.send_header(name, value)
        handler.send_header('Content-Length', str(len(body)))
        handler.end_headers()
        try:
            handler.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            pass
