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

namespace Packfile {

bool Writable(const std::string &name) {
    return !name.empty() && name.find('\n') == std::string::npos && name[0] != '+' && name[0] != ';';
}

std::string Format(const std::vector<Line> &lines) {
    std::string text;
    for (const Line &line : lines) {
        if (line.encrypted)
            text += '+';
        text += line.name;
        text += "\r\n";
    }
    return text;
}

}
