#!/usr/bin/env python3
"""The exported page of an HSP script in headless Chromium.

Usage: browser_check.py CHROMIUM FOLDER, where FOLDER holds browser.hsp (the Shift-JIS script),
page.html (its export) and colors.txt (the editor's colours of a command, a comment and a
string, "name rrggbb" per line), all left by test_html.

The screenshot must show each of the three colours, in the script's order of lines: the
comment on the first line, the string with its command on the second, a command below. The
printed page's text must hold every Japanese run of the script, which it can only when the page's
encoding was understood and a font had the characters. The screenshot stays as page.png.
"""
import os
import re
import subprocess
import sys
import tempfile

TOLERANCE = 16
ENOUGH = 20


def chromium(program, *arguments):
    with tempfile.TemporaryDirectory(prefix="tamborel-chromium-") as profile:
        flags = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--user-data-dir=" + profile]
        subprocess.run([program, *flags, *arguments], check=True, timeout=180,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def colours(folder):
    found = {}
    with open(os.path.join(folder, "colors.txt")) as lines:
        for line in lines:
            name, hex_colour = line.split()
            found[name] = tuple(int(hex_colour[i:i + 2], 16) for i in (0, 2, 4))
    return found


def rows_in_colour(png, wanted):
    """For each wanted colour, the screenshot rows with pixels of that colour (and their count)."""
    width, height = (int(n) for n in subprocess.run(
        ["identify", "-format", "%w %h", png], check=True, capture_output=True, text=True).stdout.split())
    raw = subprocess.run(["convert", png, "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    rows = {name: {} for name in wanted}
    for y in range(height):
        line = raw[3 * width * y:3 * width * (y + 1)]
        for x in range(0, len(line), 3):
            r, g, b = line[x], line[x + 1], line[x + 2]
            for name, (wr, wg, wb) in wanted.items():
                if abs(r - wr) <= TOLERANCE and abs(g - wg) <= TOLERANCE and abs(b - wb) <= TOLERANCE:
                    rows[name][y] = rows[name].get(y, 0) + 1
    return rows


def main():
    program, folder = sys.argv[1], os.path.abspath(sys.argv[2])
    page = "file://" + os.path.join(folder, "page.html")
    shot = os.path.join(folder, "page.png")
    pdf = os.path.join(folder, "page.pdf")
    chromium(program, "--force-device-scale-factor=2", "--window-size=800,400", "--screenshot=" + shot, page)
    chromium(program, "--print-to-pdf=" + pdf, "--no-pdf-header-footer", page)
    failures = []

    wanted = colours(folder)
    rows = rows_in_colour(shot, wanted)
    for name, found in rows.items():
        count = sum(found.values())
        print(f"{name} {wanted[name]}: {count} pixels on rows {min(found, default=-1)}..{max(found, default=-1)}")
        if count < ENOUGH:
            failures.append(f"the {name} colour is not drawn")
    if not failures:
        comment, string, command = rows["comment"], rows["string"], rows["command"]
        if max(comment) >= min(string):
            failures.append("the comment is not above the string")
        if not any(min(string) <= y <= max(string) for y in command):
            failures.append("no command beside the string")
        if max(command) <= max(string):
            failures.append("no command below the string")

    text = subprocess.run(["pdftotext", "-enc", "UTF-8", pdf, "-"], check=True, capture_output=True).stdout.decode("utf-8")
    with open(os.path.join(folder, "browser.hsp"), "rb") as script:
        japanese = re.findall(r"[^\x00-\x7f]+", script.read().decode("cp932"))
    for run in japanese:
        print(f"text {run}: {'found' if run in text else 'missing'}")
        if run not in text:
            failures.append(f"{run} is not readable on the page")
    if not japanese:
        failures.append("the script has no Japanese text")

    print(f"screenshot: {shot}")
    for failure in failures:
        print("FAILED: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
