#!/usr/bin/env python3
"""The page test_html exported from an HSP script, in headless Chromium.

Usage: browser_check.py CHROMIUM FOLDER; FOLDER holds browser.hsp (Shift-JIS), page.html and
colors.txt ("name rrggbb": the editor's colours of a command, a comment and a string). The
screenshot (kept as page.png) must show the comment's colour on the first line, the string's on
the second beside a command, and a command below. The printed page must hold every Japanese run
of the script, which it can only if the encoding was understood and a font had the characters.
"""
import os, re, subprocess, sys, tempfile


def chromium(program, *arguments):
    with tempfile.TemporaryDirectory(prefix="tamborel-chromium-") as profile:
        subprocess.run([program, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                        "--disable-background-networking", "--disable-component-update", "--disable-sync",
                        "--user-data-dir=" + profile, *arguments],
                       check=True, timeout=180, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def rows_in_colour(png, wanted, tolerance=16):
    """For each named colour, the screenshot's rows holding pixels of it, with their counts."""
    width = int(subprocess.run(["identify", "-format", "%w", png], check=True, capture_output=True).stdout)
    raw = subprocess.run(["convert", png, "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    rows = {name: {} for name in wanted}
    for i in range(0, len(raw), 3):
        for name, colour in wanted.items():
            if all(abs(raw[i + c] - colour[c]) <= tolerance for c in range(3)):
                y = i // (3 * width)
                rows[name][y] = rows[name].get(y, 0) + 1
    return rows


def main():
    program, folder = sys.argv[1], os.path.abspath(sys.argv[2])
    page, shot, pdf = (os.path.join(folder, name) for name in ("page.html", "page.png", "page.pdf"))
    chromium(program, "--force-device-scale-factor=2", "--window-size=800,400", "--screenshot=" + shot, "file://" + page)
    chromium(program, "--print-to-pdf=" + pdf, "--no-pdf-header-footer", "file://" + page)
    with open(os.path.join(folder, "colors.txt")) as lines:
        wanted = {name: bytes.fromhex(value) for name, value in (line.split() for line in lines)}
    rows = rows_in_colour(shot, wanted)
    failures = [f"the {name} colour is not drawn" for name, found in rows.items() if sum(found.values()) < 20]
    for name, found in rows.items():
        print(f"{name} #{wanted[name].hex()}: {sum(found.values())} pixels on rows {min(found, default=-1)}..{max(found, default=-1)}")
    if not failures:
        comment, string, command = rows["comment"], rows["string"], rows["command"]
        if max(comment) >= min(string):
            failures.append("the comment is not above the string")
        if not any(min(string) <= y <= max(string) for y in command) or max(command) <= max(string):
            failures.append("no command beside the string and below it")
    text = subprocess.run(["pdftotext", "-enc", "UTF-8", pdf, "-"], check=True, capture_output=True).stdout.decode()
    with open(os.path.join(folder, "browser.hsp"), "rb") as script:
        japanese = re.findall(r"[^\x00-\x7f]+", script.read().decode("cp932"))
    failures += [f"{run} is not readable on the page" for run in japanese if run not in text]
    print(f"Japanese runs found in the printed page: {[run for run in japanese if run in text]}")
    print(f"screenshot: {shot}")
    for failure in failures:
        print("FAILED: " + failure)
    return 1 if failures or not japanese else 0


if __name__ == "__main__":
    sys.exit(main())
