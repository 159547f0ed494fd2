#include "hsp/Packfile.h"

namespace Packfile {

std::vector<Line> Parse(const std::string &bytes) {
    std::vector<Line> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == ';')
            continue;
        const bool encrypted = line[0] == '+';
        if (encrypted && line.size() == 1)
            continue;
        lines.push_back({encrypted ? line.substr(1) : line, encrypted});
    }
    return lines;
}

}
