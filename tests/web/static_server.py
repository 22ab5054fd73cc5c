"""A plain static HTTP server on 127.0.0.1 for the web maker's tests and
benchmark: one folder served as any static host serves it (index.html for
a folder, the usual types), quietly."""

import functools
import http.server
import threading


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class StaticServer:
    def __init__(self, root):
        handler = functools.partial(Quiet, directory=root)
        self.httpd = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()
        self.url = 'http://127.0.0.1:%d/' % self.httpd.server_address[1]

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()
