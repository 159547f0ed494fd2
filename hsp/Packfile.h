// The "packfile" text: one name a line, "+" in front for a file stored encrypted, ";" for a
// comment line. Plain bytes in and out, no files read.
#pragma once

#include <string>
#include <vector>

namespace Packfile {

struct Line {
    std::string name;
    bool encrypted = false;
};

// The named lines; comments and empty lines are left out, CR LF and LF ends both taken.
std::vector<Line> Parse(const std::string &bytes);

// Whether a name stored unencrypted reads back as itself: not empty, no line feed, and not
// starting with "+" or ";", which would read as an encrypted name or a comment.
bool Writable(const std::string &name);

// The text of the lines: "+" in front of an encrypted name, CR LF after each.
std::string Format(const std::vector<Line> &lines);

}
