"""What the keyword generators share: keyword texts as C++ string literals."""


def literal_lines(words, width=96):
    """Each word followed by a blank, as indented C++ string literals of at most width characters."""
    lines, line = [], ""
    for word in words:
        piece = word + " "
        if line and len(line) + len(piece) > width:
            lines.append(line)
            line = ""
        line += piece
    if line:
        lines.append(line)
    return ["    \"%s\"" % l for l in lines]


def group_table(header, namespace, array, count, groups):
    """A generated source defining array and count in namespace from (name, words) pairs."""
    out = [header,
           "#include \"language/GeneratedKeywords.h\"",
           "",
           "namespace %s {" % namespace,
           "",
           "const KeywordGroup %s[] = {" % array]
    for name, words in groups:
        out.append("    {\"%s\", %d," % (name.replace("\\", "\\\\").replace("\"", "\\\""), len(words)))
        out.extend(literal_lines(words))
        out[-1] += "},"
    out += ["};", "", "const int %s = sizeof %s / sizeof %s[0];" % (count, array, array), "", "}", ""]
    return "\n".join(out)
