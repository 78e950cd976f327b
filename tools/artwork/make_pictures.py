#!/usr/bin/env python3
"""Draws the wizard's pictures (our own artwork, made at build time).

usage: make_pictures.py OUTDIR
writes banner.bmp (504 x 85, 24-bit) and the four step icons (16 x 16,
32-bit with alpha): step_pending.ico (grey ball), step_working.ico (clock
face), step_done.ico (green ball), step_failed.ico (red ball).
"""
import math
import os
import struct
import sys


def write(path, data):
    with open(path + '.tmp', 'wb') as f:
        f.write(data)
    os.replace(path + '.tmp', path)


# A 5x7 pixel font for the banner's lettering (upper case, digits, blank).
FONT = {
    'A': '01110100011000111111100011000110001', 'D': '11110100011000110001100011000111110',
    'E': '11111100001000011110100001000011111', 'L': '10000100001000010000100001000011111',
    'M': '10001110111010110101100011000110001', 'N': '10001110011010110011100011000110001',
    'P': '11110100011000111110100001000010000', 'R': '11110100011000111110101001001010001',
    'T': '11111001000010000100001000010000100', 'U': '10001100011000110001100011000101110',
    'V': '10001100011000110001100010101000100', 'Z': '11111000010001000100010001000011111',
    'O': '01110100011000110001100011000101110', ' ': '0' * 35,
}


def banner(width=504, height=85):
    text = 'ZELMAR UPDATE'
    scale = 4
    text_w = len(text) * 6 * scale
    x0, y0 = 24, (height - 7 * scale) // 2
    rows = []
    for y in range(height - 1, -1, -1):  # bottom-up rows
        row = bytearray()
        for x in range(width):
            t = x / width
            r, g, b = int(20 + 30 * t), int(60 + 80 * t), int(140 + 90 * t)
            # soft wave across the banner
            wave = math.sin(x / 37.0 + y / 11.0) * 0.5 + 0.5
            r, g, b = int(r + 12 * wave), int(g + 12 * wave), int(b + 10 * wave)
            cx, cy = x - x0, y - y0
            if 0 <= cx < text_w and 0 <= cy < 7 * scale:
                ch = text[cx // (6 * scale)]
                col = (cx // scale) % 6
                line = cy // scale
                if col < 5 and FONT[ch][line * 5 + col] == '1':
                    r = g = b = 250
            row += bytes((min(b, 255), min(g, 255), min(r, 255)))
        row += bytes((4 - len(row) % 4) % 4)
        rows.append(bytes(row))
    pixels = b''.join(rows)
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(pixels), 0, 0, 14 + 40)
    return file_header + header + pixels


def ball(rgb):
    def shade(x, y):
        c = 7.5
        d = math.hypot(x - c, y - c)
        if d > 7.2:
            return None
        light = 1.0 - 0.5 * math.hypot(x - 5.5, y - 5.0) / 10
        alpha = 255 if d < 6.4 else int(255 * (7.2 - d) / 0.8)
        return tuple(int(min(255, v * light + 60 * max(0, 0.6 - d / 8))) for v in rgb) + (alpha,)
    return shade


def clock(x, y):
    c = 7.5
    d = math.hypot(x - c, y - c)
    if d > 7.2:
        return None
    if d > 6.0:
        return (40, 40, 40, 255)
    # hands: to twelve and to three
    if (abs(x - c) < 0.8 and c - 5 < y <= c) or (abs(y - c) < 0.8 and c <= x < c + 4):
        return (20, 20, 20, 255)
    return (245, 245, 235, 255)


def icon(shader):
    size = 16
    rows = []
    for y in range(size - 1, -1, -1):
        row = bytearray()
        for x in range(size):
            p = shader(x, y)
            if p is None:
                row += bytes((0, 0, 0, 0))
            else:
                r, g, b, a = p
                row += bytes((b, g, r, max(0, min(255, a))))
        rows.append(bytes(row))
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    image = header + b''.join(rows) + bytes(4 * size)  # empty AND mask
    return struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(image), 22) + image


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write(os.path.join(out, 'banner.bmp'), banner())
    write(os.path.join(out, 'step_pending.ico'), icon(ball((150, 150, 150))))
    write(os.path.join(out, 'step_working.ico'), icon(clock))
    write(os.path.join(out, 'step_done.ico'), icon(ball((40, 180, 60))))
    write(os.path.join(out, 'step_failed.ico'), icon(ball((210, 40, 40))))


if __name__ == '__main__':
    main()
