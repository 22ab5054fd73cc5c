"""A small SFTP server for the tests (paramiko), on 127.0.0.1 and a free port.

Usage: serveur_sftp.py ROOT USER PASSWORD HOSTKEY [--no-atomic-rename]
                       [--refuse-replace] [--cut BYTES]

Prints "PORT <n> <fingerprint>" once it listens (the fingerprint of its key
as OpenSSH shows it, "SHA256:..."). HOSTKEY is the server's RSA key, made
when the file does not exist. Exits when its standard input closes, so it
never outlives the test that started it.

Paths are those of the client: relative ones start in ROOT (the log-in
directory), absolute ones are taken as they stand. A plain rename refuses
to replace an existing file, as OpenSSH's server does.
  --no-atomic-rename  "posix-rename@openssh.com" is neither offered nor done.
  --refuse-replace    the atomic rename is offered but refuses to replace.
  --cut               the connection drops once BYTES bytes of a file came.
"""
import base64
import hashlib
import os
import socket
import sys
import threading

import paramiko
from paramiko.sftp import CMD_VERSION, SFTP_FAILURE, SFTP_OK, SFTP_OP_UNSUPPORTED
from paramiko.sftp_attr import SFTPAttributes
from paramiko.sftp_handle import SFTPHandle
from paramiko.sftp_server import SFTPServer
from paramiko.sftp_si import SFTPServerInterface
from paramiko.message import Message


def main():
    args = sys.argv[1:]
    root, user, password, keyfile = args[0], args[1], args[2], args[3]
    atomic = True
    refuse_replace = False
    cut = None
    i = 4
    while i < len(args):
        if args[i] == "--no-atomic-rename":
            atomic = False
            i += 1
        elif args[i] == "--refuse-replace":
            refuse_replace = True
            i += 1
        elif args[i] == "--cut":
            cut = int(args[i + 1])
            i += 2
        else:
            raise SystemExit("unknown option " + args[i])

    if not os.path.exists(keyfile):
        paramiko.RSAKey.generate(2048).write_private_key_file(keyfile)
    key = paramiko.RSAKey.from_private_key_file(keyfile)
    fingerprint = "SHA256:" + base64.b64encode(
        hashlib.sha256(key.asbytes()).digest()).decode().rstrip("=")

    def real(path):
        return path if path.startswith("/") else os.path.join(root, path)

    class Handle(SFTPHandle):
        received = 0

        def write(self, offset, data):
            self.received += len(data)
            if cut is not None and self.received > cut:
                self.transport.close()
                return SFTP_FAILURE
            return super().write(offset, data)

        def stat(self):
            return SFTPAttributes.from_stat(os.fstat(self.writefile.fileno()))

    class Interface(SFTPServerInterface):
        transport = None  # set by Server once it is built

        def open(self, path, flags, attr):
            try:
                fd = os.open(real(path), flags, 0o644)
            except OSError as e:
                return SFTPServer.convert_errno(e.errno)
            h = Handle(flags)
            h.transport = self.transport
            h.filename = real(path)
            h.writefile = h.readfile = os.fdopen(fd, "r+b" if flags & os.O_RDWR else
                                                 ("wb" if flags & os.O_WRONLY else "rb"))
            return h

        def stat(self, path):
            try:
                return SFTPAttributes.from_stat(os.stat(real(path)))
            except OSError as e:
                return SFTPServer.convert_errno(e.errno)

        lstat = stat

        def remove(self, path):
            try:
                os.remove(real(path))
            except OSError as e:
                return SFTPServer.convert_errno(e.errno)
            return SFTP_OK

        def rename(self, oldpath, newpath):
            if os.path.exists(real(newpath)):
                return SFTP_FAILURE
            try:
                os.rename(real(oldpath), real(newpath))
            except OSError as e:
                return SFTPServer.convert_errno(e.errno)
            return SFTP_OK

        def posix_rename(self, oldpath, newpath):
            if not atomic:
                return SFTP_OP_UNSUPPORTED
            if refuse_replace and os.path.exists(real(newpath)):
                return SFTP_FAILURE
            try:
                os.replace(real(oldpath), real(newpath))
            except OSError as e:
                return SFTPServer.convert_errno(e.errno)
            return SFTP_OK

        def canonicalize(self, path):
            return real(path)

    class Server(SFTPServer):
        def __init__(self, channel, name, server, *largs, **kwargs):
            super().__init__(channel, name, server, *largs, **kwargs)
            self.server.transport = channel.get_transport()

        def _send_server_version(self):
            t, data = self._read_packet()
            msg = Message()
            msg.add_int(3)
            if atomic:
                msg.add_string("posix-rename@openssh.com")
                msg.add_string("1")
            self._send_packet(CMD_VERSION, msg)
            return 3

    class Auth(paramiko.ServerInterface):
        def check_auth_password(self, username, given):
            if username == user and given == password:
                return paramiko.AUTH_SUCCESSFUL
            return paramiko.AUTH_FAILED

        def get_allowed_auths(self, username):
            return "password"

        def check_channel_request(self, kind, chanid):
            if kind == "session":
                return paramiko.OPEN_SUCCEEDED
            return paramiko.OPEN_FAILED_ADMINISTRATIVELY_PROHIBITED

    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)

    def serve(conn):
        transport = paramiko.Transport(conn)
        transport.add_server_key(key)
        transport.set_subsystem_handler("sftp", Server, Interface)
        try:
            transport.start_server(server=Auth())
        except Exception:
            transport.close()

    def accept():
        while True:
            conn, _ = listener.accept()
            threading.Thread(target=serve, args=(conn,), daemon=True).start()

    threading.Thread(target=accept, daemon=True).start()
    sys.stdout.write("PORT %d %s\n" % (listener.getsockname()[1], fingerprint))
    sys.stdout.flush()
    try:
        while sys.stdin.buffer.read(1):
            pass
    finally:
        os._exit(0)


if __name__ == "__main__":
    main()
