#!/usr/bin/env python3
"""Draws the suite's icons into .ico files (our own artwork, made at build time).

usage: make_icons.py OUTDIR NAME...   writes OUTDIR/NAME.ico for each name; each
name gets its own hue so that the shortcut icons can be told apart.
"""
import math
import os
import struct
import sys


def pixels(size, hue):
    """A round badge with an upward arrow, as BGRA rows from the bottom up."""
    rows = []
    c = (size - 1) / 2.0
    r = size * 0.46
    h = hue % 1.0
    # simple hue to RGB
    def ch(offset):
        v = abs((h * 6 + offset) % 6 - 3) - 1
        return max(0.0, min(1.0, v))
    base = (ch(0), ch(4), ch(2))
    for y in range(size - 1, -1, -1):
        row = bytearray()
        for x in range(size):
            d = math.hypot(x - c, y - c)
            if d > r:
                row += bytes((0, 0, 0, 0))
                continue
            shade = 0.65 + 0.35 * (1 - y / size)
            red, green, blue = (int(255 * v * shade) for v in base)
            # arrow: a triangle on top of a stem
            ax, ay = (x - c) / size, (y - c) / size
            in_head = -0.30 <= ay <= -0.02 and abs(ax) <= (ay + 0.30) * 0.9
            in_stem = -0.02 <= ay <= 0.30 and abs(ax) <= 0.08
            if in_head or in_stem:
                red = green = blue = 255
            alpha = 255 if d < r - 1 else int(255 * (r - d))
            row += bytes((blue, green, red, max(0, min(255, alpha))))
        rows.append(bytes(row))
    return rows


def bmp_image(size, hue):
    rows = pixels(size, hue)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(rows)
    mask_row = ((size + 31) // 32) * 4
    and_mask = bytes(mask_row * size)
    return header + xor + and_mask


def ico(hue):
    images = [bmp_image(s, hue) for s in (16, 32, 48)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in zip((16, 32, 48), images):
        out += struct.pack('<BBBBHHII', s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b''.join(images)


def main():
    outdir = sys.argv[1]
    os.makedirs(outdir, exist_ok=True)
    for i, name in enumerate(sys.argv[2:]):
        path = os.path.join(outdir, name + '.ico')
        data = ico(0.58 + i * 0.037)
        with open(path + '.tmp', 'wb') as f:
            f.write(data)
        os.replace(path + '.tmp', path)


if __name__ == '__main__':
    main()
