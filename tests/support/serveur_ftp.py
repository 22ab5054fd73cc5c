"""A small FTP server for the tests, on 127.0.0.1 and a free port.

Usage: serveur_ftp.py ROOT USER PASSWORD [--tls CERT KEY] [--cut BYTES] [--full]
                     [--log FILE]

Prints "PORT <n>" once it listens. Exits when its standard input closes, so
it never outlives the test that started it.
  --tls    TLS is offered and required for the log-in and every transfer.
  --cut    an upload longer than BYTES has its data and control connections
           dropped after BYTES bytes.
  --full   every upload is refused with 552 (no space left on the server).
  --log    the name of every command received is added to FILE, one a line.
"""
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    args = sys.argv[1:]
    root, user, password = args[0], args[1], args[2]
    tls = None
    cut = None
    full = False
    log = None
    i = 3
    while i < len(args):
        if args[i] == "--tls":
            tls = (args[i + 1], args[i + 2])
            i += 3
        elif args[i] == "--cut":
            cut = int(args[i + 1])
            i += 2
        elif args[i] == "--full":
            full = True
            i += 1
        elif args[i] == "--log":
            log = args[i + 1]
            i += 2
        else:
            raise SystemExit("unknown option " + args[i])

    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elradfmwMT")

    base = TLS_FTPHandler if tls else FTPHandler

    class DTP(base.dtp_handler):
        def readable(self):
            # A client may start the data connection's TLS handshake before
            # its STOR; pyftpdlib would take the early bytes for a hang-up.
            if getattr(self, "_ssl_accepting", False):
                return True
            return super().readable()

        def handle_read_event(self):
            super().handle_read_event()
            if cut is not None and self.tot_bytes_received > cut:
                control = self.cmd_channel
                self.close()
                control.close()

    class Handler(base):
        dtp_handler = DTP

        def pre_process_command(self, line, cmd, arg):
            if log:
                with open(log, "a") as f:
                    f.write(cmd + "\n")
            return super().pre_process_command(line, cmd, arg)

        def ftp_STOR(self, file, mode="w"):
            if full:
                self.respond("552 No space left on device.")
                return
            return super().ftp_STOR(file, mode)

    Handler.authorizer = authorizer
    Handler.auth_failed_timeout = 0.1
    Handler.passive_ports = None
    Handler.permit_foreign_addresses = False
    if tls:
        Handler.certfile = tls[0]
        Handler.keyfile = tls[1]
        Handler.tls_control_required = True
        Handler.tls_data_required = True

    logging.basicConfig(level=logging.ERROR)
    server = FTPServer(("127.0.0.1", 0), Handler)
    port = server.socket.getsockname()[1]
    sys.stdout.write("PORT %d\n" % port)
    sys.stdout.flush()

    def watch_stdin():
        try:
            while sys.stdin.buffer.read(1):
                pass
        finally:
            os._exit(0)

    threading.Thread(target=watch_stdin, daemon=True).start()
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
