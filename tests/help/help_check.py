"""Checks of the help page, run by CTest on the host.

page: the page parses with every element closed, its in-page links lead to ids, and every menu
item and every key the program's menus name is on it (so a new command shows up here as missing).
release: the staged page is the source's, and every picture it shows is there, a PNG, and not
blank.
"""
import html.parser
import os
import re
import struct
import sys
import zlib

VOID = {"meta", "img", "br", "hr", "link", "input", "col", "wbr"}


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.open, self.ids, self.links, self.images, self.text, self.errors = [], set(), [], [], [], []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if "id" in attrs:
            self.ids.add(attrs["id"])
        if tag == "a" and "href" in attrs:
            self.links.append(attrs["href"])
        if tag == "img":
            self.images.append(attrs)
        if tag not in VOID:
            self.open.append((tag, self.getpos()[0]))

    def handle_endtag(self, tag):
        if not self.open or self.open[-1][0] != tag:
            self.errors.append("line %d: </%s> closes <%s>" % (self.getpos()[0], tag, self.open[-1] if self.open else None))
            return
        self.open.pop()

    def handle_data(self, data):
        self.text.append(data)


def read_page(path):
    with open(path, "rb") as f:
        source = f.read()
    page = Page()
    page.feed(source.decode("utf-8"))
    page.close()
    page.errors += ["<%s> of line %d never closed" % tag for tag in page.open]
    if not re.search(rb'<meta charset="utf-8">', source[:400]):
        page.errors.append("the page does not declare its encoding (UTF-8) at the top")
    return page


def menu_texts(rc_path):
    """Menu item texts as the program shows them (mnemonic and key cut off), and the keys."""
    with open(rc_path, encoding="utf-8") as f:
        items = re.findall(r'MENUITEM "([^"]+)"', f.read())
    names, keys = set(), set()
    for item in items:
        name, _, key = item.partition("\\t")
        name = re.sub(r"\(&.\)", "", name).strip()
        if name:
            names.add(name)
        if key:
            keys.add(key.strip("[]"))
    return names, keys


def check_page(page_path, rc_path):
    page = read_page(page_path)
    problems = list(page.errors)
    problems += ["link %s leads nowhere" % l for l in page.links if l.startswith("#") and l[1:] not in page.ids]
    text = re.sub(r"\s+", " ", "".join(page.text))
    with open(page_path, encoding="utf-8") as f:
        source = f.read()
    names, keys = menu_texts(rc_path)
    problems += ["menu item %s is not on the page" % n for n in sorted(names) if n not in text]
    problems += ["key %s is not on the page" % k for k in sorted(keys) if "<kbd>%s</kbd>" % k not in source]
    return problems


def png_colours(path):
    """How many distinct byte values the picture's rows hold."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    chunks, at = {}, 8
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        chunks[kind] = chunks.get(kind, b"") + data[at + 8:at + 8 + length]
        at += 12 + length
    width, height, depth, colour_type = struct.unpack(">IIBB", chunks[b"IHDR"][:10])
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour_type]
    stride = (width * channels * depth + 7) // 8
    raw = zlib.decompress(chunks[b"IDAT"])
    # Filtered rows still show how many distinct bytes a picture holds: a blank one has a handful.
    rows = {raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)] for y in range(height)}
    return len(set(b"".join(rows)))


def check_release(page_path, stage):
    problems = []
    page = read_page(os.path.join(stage, "Tamborel.html"))
    if not page.images:
        problems.append("the staged page shows no picture")
    for image in page.images:
        path = os.path.join(stage, *image["src"].split("/"))
        if not os.path.isfile(path):
            problems.append("%s is missing" % image["src"])
            continue
        colours = png_colours(path)
        if colours < 24:
            problems.append("%s looks blank (%d distinct values)" % (image["src"], colours))
    with open(page_path, "rb") as source, open(os.path.join(stage, "Tamborel.html"), "rb") as staged:
        if source.read() != staged.read():
            problems.append("the staged page differs from data/Tamborel.html")
    return problems


def main():
    mode = sys.argv[1]
    if mode == "page":
        problems = check_page(sys.argv[2], sys.argv[3])
    else:
        # As the installer test: a run without the 32-bit build makes no release.
        if os.environ.get("TAMBOREL_SKIP_WIN32") == "1":
            print("skipped: no release made in a run without the 32-bit build")
            return 77
        if not os.path.isdir(sys.argv[3]):
            problems = ["run scripts/package.sh first: no release stage in %s" % sys.argv[3]]
        else:
            problems = check_release(sys.argv[2], sys.argv[3])
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
