// The "packfile" text: one name a line, "+" in front for a file stored encrypted, ";" for a
// comment line. Plain bytes in, no files read.
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

}
