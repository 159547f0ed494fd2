#!/usr/bin/env python3
"""Installs the test HSP installation's text files: install_home.py SOURCE TARGET.

Scripts (.hsp, .as), pages (.htm) and the rest are kept in UTF-8 in the source tree; an HSP
installation holds them in Shift-JIS with CRLF line ends, so they are converted on the way.
"""
import os
import sys


def main(source, target):
    for folder, _, files in os.walk(source):
        out = os.path.join(target, os.path.relpath(folder, source))
        os.makedirs(out, exist_ok=True)
        for name in files:
            with open(os.path.join(folder, name), encoding="utf-8") as f:
                text = f.read()
            data = text.replace("\r\n", "\n").replace("\n", "\r\n").encode("cp932")
            path = os.path.join(out, name)
            try:
                with open(path, "rb") as f:
                    if f.read() == data:
                        continue
            except OSError:
                pass
            with open(path, "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
