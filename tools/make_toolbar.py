#!/usr/bin/env python3
"""Builds the tool bar's three image strips from the Tango icon theme (public domain, Debian
package tango-icon-theme), with small marks drawn here for the commands the theme has no icon for.

Usage: make_toolbar.py OUTDIR [ICONDIR]
ICONDIR defaults to the theme's 16 x 16 folder. Writes Toolbar.bmp (normal), ToolbarHot.bmp and
ToolbarDisabled.bmp: 24-bit strips of 43 images of 16 x 16, one per row of the selectable command
table and a spare, on the mask colour magenta. Pure Python apart from the theme's PNG files.
"""
import os
import struct
import sys
import zlib

SIZE = 16
COUNT = 43
MASK = (255, 0, 255)
# Semi-transparent edges are blended onto a light button face; fainter ones become the mask.
FACE = (236, 236, 236)
OPAQUE_FROM = 96

# 5 x 7 glyphs for the marks, "#" is ink.
GLYPHS = {
    'a': ['     ', '     ', ' ### ', '    #', ' ####', '#   #', ' ####'],
    'b': ['#    ', '#    ', '#### ', '#   #', '#   #', '#   #', '#### '],
    'A': [' ### ', '#   #', '#   #', '#####', '#   #', '#   #', '#   #'],
    'B': ['#### ', '#   #', '#   #', '#### ', '#   #', '#   #', '#### '],
    'C': [' ####', '#    ', '#    ', '#    ', '#    ', '#    ', ' ####'],
    'F': ['#####', '#    ', '#    ', '#### ', '#    ', '#    ', '#    '],
    'K': ['#   #', '#  # ', '# #  ', '##   ', '# #  ', '#  # ', '#   #'],
    '1': ['  #  ', ' ##  ', '  #  ', '  #  ', '  #  ', '  #  ', ' ### '],
    '5': ['#####', '#    ', '#### ', '    #', '    #', '#   #', ' ### '],
    '6': [' ### ', '#    ', '#### ', '#   #', '#   #', '#   #', ' ### '],
    '7': ['#####', '    #', '   # ', '  #  ', '  #  ', ' #   ', ' #   '],
    '8': [' ### ', '#   #', '#   #', ' ### ', '#   #', '#   #', ' ### '],
    '#': [' # # ', ' # # ', '#####', ' # # ', '#####', ' # # ', ' # # '],
    '*': ['     ', '# # #', ' ### ', '#####', ' ### ', '# # #', '     '],
    ';': ['     ', ' ##  ', ' ##  ', '     ', ' ##  ', ' ##  ', ' #   '],
    '/': ['    #', '    #', '   # ', '  #  ', ' #   ', '#    ', '#    '],
}

INK = (40, 40, 40)
GREEN = (78, 154, 6)
RED = (204, 0, 0)
BLUE = (32, 74, 135)


def read_png(path):
    """Rows of (r, g, b, a) of an 8-bit, non-interlaced RGB or RGBA PNG."""
    with open(path, 'rb') as f:
        data = f.read()
    if data[:8] != b'\x89PNG\r\n\x1a\n':
        raise ValueError(path + ': not a PNG file')
    pos, idat = 8, b''
    width = height = channels = None
    while pos < len(data):
        length, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b'IHDR':
            width, height, depth, colour, _, _, interlace = struct.unpack('>IIBBBBB', body)
            if depth != 8 or colour not in (2, 6) or interlace:
                raise ValueError(path + ': unsupported PNG layout')
            channels = 4 if colour == 6 else 3
        elif kind == b'IDAT':
            idat += body
        elif kind == b'IEND':
            break
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous, at = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        previous = line
        rows.append([tuple(line[x * channels:x * channels + 3]) + ((line[x * channels + 3],) if channels == 4 else (255,))
                     for x in range(width)])
    return rows


class Image:
    def __init__(self, rows=None):
        self.px = [list(r) for r in rows] if rows else [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]

    def put(self, x, y, colour, alpha=255):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            r, g, b, a = self.px[y][x]
            k = alpha / 255.0
            if a == 0:
                self.px[y][x] = colour + (alpha,)
            else:
                self.px[y][x] = tuple(int(c * k + o * (1 - k)) for c, o in zip(colour, (r, g, b))) + (max(a, alpha),)

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def text(self, x, y, text, colour):
        for ch in text:
            for dy, row in enumerate(GLYPHS[ch]):
                for dx, cell in enumerate(row):
                    if cell == '#':
                        self.put(x + dx, y + dy, colour)
            x += 6

    def badge(self, text, colour):
        """The text on a small white label in the lower right corner."""
        width = 6 * len(text) + 1
        x0 = SIZE - width - 1
        self.rect(x0, 7, x0 + width, 15, (255, 255, 255))
        self.frame(x0, 7, x0 + width, 15, (136, 138, 133))
        self.text(x0 + 1, 8, text, colour)

    def arrow(self, down, colour):
        """A small arrow at the right edge, pointing down or up."""
        head = [(10, 15), (11, 14), (12, 13)]
        rows = range(11, 14) if down else range(9, 6, -1)
        for y, (x0, x1) in zip(rows, head):
            self.rect(x0, y, x1, y, colour)
        self.rect(12, 7 if down else 10, 13, 10 if down else 14, colour)


def theme(icons, name):
    path = os.path.join(icons, name + '.png')
    if not os.path.exists(path):
        sys.exit('make_toolbar: missing icon %s (install the package tango-icon-theme: scripts/setup.sh)' % path)
    return Image(read_png(path))


def split_window(horizontal):
    image = Image()
    image.rect(1, 2, 14, 13, (255, 255, 255))
    image.rect(1, 2, 14, 4, (52, 101, 164))
    image.frame(1, 2, 14, 13, (46, 52, 54))
    if horizontal:
        image.rect(2, 8, 13, 8, (46, 52, 54))
    else:
        image.rect(7, 5, 8, 12, (46, 52, 54))
    return image


def play():
    image = Image()
    for x in range(3, 14):
        half = (x - 3) * 6 // 10
        for y in range(7 - (5 - half), 8 + (5 - half) + 1):
            image.put(x, y, (115, 210, 22))
    for x in range(3, 14):
        half = 5 - (x - 3) * 6 // 10
        image.put(x, 7 - half, (78, 154, 6))
        image.put(x, 8 + half, (78, 154, 6))
    image.rect(3, 2, 3, 13, (78, 154, 6))
    return image


def completion_list():
    image = Image()
    image.text(0, 0, 'a', INK)
    image.rect(3, 7, 15, 15, (255, 255, 255))
    image.frame(3, 7, 15, 15, (85, 87, 83))
    image.rect(4, 10, 14, 12, (114, 159, 207))
    for y in (9, 11, 14):
        image.rect(5, y, 12, y, INK if y != 11 else (255, 255, 255))
    return image


def key_cap(number):
    image = Image()
    image.rect(1, 1, 14, 14, (211, 215, 207))
    image.rect(2, 2, 13, 11, (238, 238, 236))
    image.frame(1, 1, 14, 14, (85, 87, 83))
    image.text(2, 3, 'F', INK)
    image.text(8, 3, number, INK)
    return image


def letters(text):
    image = Image()
    image.text(2, 4, text, BLUE)
    for x in range(1, 15):
        image.put(x, 13, (136, 138, 133))
    return image


def cross(image, colour=RED):
    for i in range(5):
        for x, y in ((10 + i, 10 + i), (14 - i, 10 + i)):
            image.put(x, y, colour)
            image.put(x, y - 1, colour)
    return image


def build(icons):
    t = lambda name: theme(icons, name)

    def marked(base, text, colour):
        image = t(base)
        image.badge(text, colour)
        return image

    def find(down):
        image = t('actions/edit-find')
        image.arrow(down, GREEN)
        return image

    def comment(text, colour):
        image = t('mimetypes/text-x-generic')
        image.badge(text, colour)
        return image

    removed = comment(';', INK)
    for x in range(SIZE - 8, SIZE - 1):
        removed.put(x, 11, RED)
        removed.put(x, 12, RED)

    strip = [
        Image(),                                  # separator
        t('actions/document-new'),                # 40009 new document
        t('actions/folder-new'),                  # 40010 new project
        t('actions/document-open'),               # 40011 open
        t('actions/document-save'),               # 40013 save
        t('actions/edit-undo'),                   # 40036 undo
        t('actions/edit-redo'),                   # 40041 redo
        t('actions/edit-cut'),                    # 40042 cut
        t('actions/edit-copy'),                   # 40043 copy
        t('actions/edit-paste'),                  # 40044 paste
        comment(';', GREEN),                      # 40100 insert ; comment
        removed,                                  # 40098 remove ; comment
        comment('//', GREEN),                     # 40045 insert // comment
        comment('/*', GREEN),                     # 40046 block comment
        letters('ab'),                            # 40047 lower case
        letters('AB'),                            # 40048 upper case
        t('actions/edit-select-all'),             # 40049 select all
        t('actions/edit-find'),                   # 40002 find
        find(True),                               # 40005 find next
        find(False),                              # 40006 find previous
        marked('actions/go-jump', '1', BLUE),     # 40101 jump to position
        marked('actions/go-jump', 'K', BLUE),     # 40110 jump to keyword
        marked('actions/go-jump', '*', BLUE),     # 40003 jump to label
        marked('actions/go-jump', 'C', BLUE),    # 40120 jump to chameleon label
        marked('actions/go-jump', '#', BLUE),     # 40099 jump to definition
        marked('actions/go-next', '#', BLUE),     # 40050 definition reference
        t('actions/go-previous'),                 # 40079 back from the reference
        split_window(True),                       # 40037 split horizontally
        split_window(False),                      # 40038 split vertically
        completion_list(),                        # 40025 code complete
        play(),                                  # 40061 start.ax
        t('mimetypes/package-x-generic'),         # 40087 pack file
        t('actions/go-home'),                     # 40062 HSP home
        t('apps/utilities-terminal'),             # 40063 debug window
        cross(t('mimetypes/text-x-generic')),     # 40028 close document
        cross(t('actions/edit-copy')),            # 40029 close all
        key_cap('5'),                             # 40112 client F5
        key_cap('6'),                             # 40113 client F6
        key_cap('7'),                             # 40114 client F7
        key_cap('8'),                             # 40115 client F8
        t('apps/system-software-update'),         # 40102 update check
        t('categories/applications-system'),      # 40073 settings
        Image(),                                  # spare
    ]
    assert len(strip) == COUNT
    return strip


def flatten(rgba, tone):
    r, g, b, a = rgba
    if a < OPAQUE_FROM:
        return MASK
    k = a / 255.0
    colour = tuple(int(c * k + f * (1 - k)) for c, f in zip((r, g, b), FACE))
    colour = tone(colour)
    # Keep the mask colour for the background only.
    return (254, 0, 254) if colour == MASK else colour


def normal(c):
    return c


def hot(c):
    # A little lighter and more saturated, so the button under the mouse stands out.
    grey = sum(c) / 3.0
    return tuple(max(0, min(255, int(grey + (v - grey) * 1.25 + 18))) for v in c)


def disabled(c):
    grey = int(0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2])
    v = 120 + grey * 95 // 255
    return (v, v, v)


def write_bmp(path, strip, tone):
    width = SIZE * len(strip)
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(SIZE)):
        row = bytearray()
        for image in strip:
            for x in range(SIZE):
                r, g, b = flatten(image.px[y][x], tone)
                row += bytes((b, g, r))
        row += bytes(stride - len(row))
        pixels += row
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, width, SIZE, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + bytes(pixels))


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    outdir = sys.argv[1]
    icons = sys.argv[2] if len(sys.argv) > 2 else '/usr/share/icons/Tango/16x16'
    strip = build(icons)
    write_bmp(os.path.join(outdir, 'Toolbar.bmp'), strip, normal)
    write_bmp(os.path.join(outdir, 'ToolbarHot.bmp'), strip, hot)
    write_bmp(os.path.join(outdir, 'ToolbarDisabled.bmp'), strip, disabled)


if __name__ == '__main__':
    main()
