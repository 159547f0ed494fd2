#!/usr/bin/env python3
"""Makes lexer\\_common.ct, the code tips of the built-in HSP commands and functions.

    tools/make_codetips.py SOURCE TARGET

SOURCE (UTF-8) holds one line per tip: the keyword, "?", the call form with each argument in
<...>, two blanks, then a Japanese description. TARGET gets "keyword?call form", a backslash (a
line break in the tip), then the description, in code page 932 with CRLF line ends, after two
comment lines that describe the format.

Descriptions may hold characters whose second byte in code page 932 is 0x5C (ソ, 表); the
program reads them as whole characters, never as the backslash that breaks a tip's line.
"""
import os
import sys

HEADER = [
    "; 組み込み命令・関数のコードチップ。1 行に 1 件: キーワード、半角の疑問符、呼び出し形式。",
    "; 形式の中で <...> は引数の範囲、\\ は改行です。疑問符のない行は読み飛ばします。",
]


def tip_line(source, number, line):
    keyword, mark, rest = line.partition("?")
    call, gap, description = rest.partition("  ")
    if not keyword or not mark or not gap or not description or "\\" in rest:
        sys.exit("%s:%d: not a code tip: %r" % (source, number, line))
    try:
        text = "%s?%s\\%s" % (keyword, call, description)
        return text.encode("cp932")
    except UnicodeEncodeError:
        sys.exit("%s:%d: not in code page 932: %r" % (source, number, line))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    source, target = sys.argv[1], sys.argv[2]
    lines = [line.encode("cp932") for line in HEADER]
    with open(source, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\r\n")
            if line:
                lines.append(tip_line(source, number, line))
    os.makedirs(os.path.dirname(target), exist_ok=True)
    with open(target + ".new", "wb") as f:
        f.write(b"\r\n".join(lines) + b"\r\n")
    os.replace(target + ".new", target)


if __name__ == "__main__":
    main()
