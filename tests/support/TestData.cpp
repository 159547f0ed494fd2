#include "support/TestData.h"

#include <windows.h>

#include "framework/ShiftJis.h"

namespace {

std::string ShiftJisOf(const std::string &utf8) {
    const int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &text[0], wide);
    const int bytes = WideCharToMultiByte(932, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(932, 0, text.data(), wide, &converted[0], bytes, nullptr, nullptr);
    return converted;
}

// Shift-JIS aware: the trail byte of a character such as 表 (0x95 0x5C) is no escape.
std::string Unescape(const std::string &text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (ShiftJis::IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
            plain += text.substr(i++, 2);
            continue;
        }
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
    const std::string text = bytes ? ShiftJisOf(std::string(bytes, SizeofResource(nullptr, found))) : std::string();
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
