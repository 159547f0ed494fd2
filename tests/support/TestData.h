// Tables of cases kept as text files beside a test program's sources and built into it as
// resources (RCDATA named in the area's .rc), so that a test reads them wherever it runs.
#pragma once

#include <string>
#include <vector>

namespace TestData {

// The resource whole, in Shift-JIS (empty when there is none).
std::string Text(const char *resource);
// The resource's lines in Shift-JIS, like the program's own text (the files are UTF-8), without
// blank lines and lines starting with "#".
std::vector<std::string> Lines(const char *resource);
// A line split at each " | ", every field with \r, \n and \\ unescaped.
std::vector<std::string> Fields(const std::string &line);

}
