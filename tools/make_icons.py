#!/usr/bin/env python3
"""Draws the program's icons (a tambourine: a ring with jingles and a "T") into .ico files.

Usage: make_icons.py OUTDIR
Writes Tamborel.ico (48, 32 and 16 pixels) and TamborelSmall.ico (16 pixels).
Pure Python so that the build needs nothing beyond the interpreter.
"""
import math
import struct
import sys

SS = 4  # supersampling per axis


def draw(size):
    """Returns rows of (r, g, b, a) for one icon size."""
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    c = size / 2.0
    outer = size * 0.47
    inner = size * 0.34
    jingles = [(c + (outer + inner) / 2 * math.cos(a), c + (outer + inner) / 2 * math.sin(a))
               for a in (math.radians(d) for d in (30, 150, 270))]
    jr = (outer - inner) * 0.42
    for y in range(size):
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SS):
                for sx in range(SS):
                    fx = x + (sx + 0.5) / SS
                    fy = y + (sy + 0.5) / SS
                    d = math.hypot(fx - c, fy - c)
                    col = None
                    if d <= inner:
                        col = (250, 240, 215)  # drum skin
                        # the letter T
                        bar_top, bar_h = c - inner * 0.62, inner * 0.30
                        stem_w = inner * 0.34
                        if (bar_top <= fy <= bar_top + bar_h and abs(fx - c) <= inner * 0.62) or \
                           (bar_top <= fy <= c + inner * 0.68 and abs(fx - c) <= stem_w / 2):
                            col = (170, 30, 40)
                    elif d <= outer:
                        col = (150, 90, 40)  # wooden rim
                        for jx, jy in jingles:
                            if math.hypot(fx - jx, fy - jy) <= jr:
                                col = (235, 200, 60)  # brass jingle
                    if col:
                        acc[0] += col[0]
                        acc[1] += col[1]
                        acc[2] += col[2]
                        acc[3] += 255
            n = SS * SS
            a = acc[3] / n
            if a:
                px[y][x] = (int(acc[0] / (acc[3] / 255)), int(acc[1] / (acc[3] / 255)),
                            int(acc[2] / (acc[3] / 255)), int(a))
    return px


def ico_image(size):
    px = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(px):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(px):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(xor) + bytes(mask)


def write_ico(path, sizes):
    images = [ico_image(s) for s in sizes]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    for img in images:
        out += img
    with open(path, 'wb') as f:
        f.write(out)


def main():
    outdir = sys.argv[1]
    write_ico(outdir + '/Tamborel.ico', [48, 32, 16])
    write_ico(outdir + '/TamborelSmall.ico', [16])


if __name__ == '__main__':
    main()
