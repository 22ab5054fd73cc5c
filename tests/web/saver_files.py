"""Savers for the web player's tests and benchmark, written byte by byte:
LmvEngine, the records, an options block when asked for, the trailer."""

import os
import struct
import subprocess


def pack(bin_dir, path, size, screens, flags=0, entries=None):
    """A saver of LmvEngine and `screens` ((duration, effect, JPEG file)),
    with an options block of `entries` ((transitionMs, pictureWidth,
    pictureHeight), no subject) when given."""
    with open(os.path.join(bin_dir, 'LmvEngine'), 'rb') as f:
        out = bytearray(f.read())
    engine = len(out)
    for duration, effect, jpeg in screens:
        with open(jpeg, 'rb') as f:
            data = f.read()
        out += struct.pack('<3i', duration, effect, len(data)) + data
    if entries is not None:
        n = len(screens)
        length = 32 + 28 * n
        out += b'LMVO' + struct.pack('<5i', length, 1, flags, n, 28)
        for e in entries:
            out += struct.pack('<7i', *e, 0, 0, 10000, 10000)
        out += struct.pack('<i', length) + b'LMVX'
    w, h = map(int, size.split('x'))
    out += struct.pack('<4i', w, h, len(screens), engine)
    with open(path, 'wb') as f:
        f.write(out)
    os.chmod(path, 0o755)


def demo_pictures(bin_dir, directory, size, count):
    subprocess.run([os.path.join(bin_dir, 'lmvdemo'), directory, size], check=True, stdout=subprocess.DEVNULL)
    with open(os.path.join(directory, 'pictures.txt')) as f:
        files = [line.strip().split(':')[-1] for line in f if line.strip()][:count]
    return [os.path.join(directory, name) for name in files]
