#!/usr/bin/env python3
"""Prints the FileVersion text of a Windows program's version resource (the string table entry,
as the program shows it), so that release files are named after what the program says it is."""
import sys

KEY = "FileVersion\0".encode("utf-16-le")


def file_version(data: bytes) -> str:
    at = data.find(KEY)
    if at < 6:
        raise SystemExit("no FileVersion in the version resource")
    # A String structure: wLength, wValueLength, wType, then the key and the value, each
    # starting on a 32-bit boundary of the structure.
    start = at - 6
    value = at + len(KEY)
    value += (4 - (value - start) % 4) % 4
    end = value
    while data[end:end + 2] != b"\0\0":
        end += 2
    return data[value:end].decode("utf-16-le")


if __name__ == "__main__":
    with open(sys.argv[1], "rb") as program:
        print(file_version(program.read()))
