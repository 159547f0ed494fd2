#include "support/TestData.h"

#include <windows.h>

namespace {

std::string Unescape(const std::string &text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const char next = text[++i];
        plain += next == 'r' ? '\r' : next == 'n' ? '\n' : next == 't' ? '\t' : next;
    }
    return plain;
}

}

namespace TestData {

std::vector<std::string> Lines(const char *resource) {
    HRSRC found = FindResourceA(nullptr, resource, MAKEINTRESOURCEA(10));
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const char *bytes = loaded ? static_cast<const char *>(LockResource(loaded)) : nullptr;
    const std::string text = bytes ? std::string(bytes, SizeofResource(nullptr, found)) : std::string();
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> Fields(const std::string &line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t bar; (bar = line.find(" | ", start)) != std::string::npos; start = bar + 3)
        fields.push_back(Unescape(line.substr(start, bar - start)));
    fields.push_back(Unescape(line.substr(start)));
    return fields;
}

}
