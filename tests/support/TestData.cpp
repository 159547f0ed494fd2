#include "support/TestData.h"

#include <windows.h>

#include "framework/ShiftJis.h"

namespace {

std::string ShiftJisOf(const std::string &utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0],
                                                        static_cast<int>(wide.size()))));
    std::string text(wide.size() * 2, '\0');
    text.resize(static_cast<size_t>(WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), &text[0],
                                                        static_cast<int>(text.size()), nullptr, nullptr)));
    return text;
}

// Shift-JIS aware: the trail byte of a character such as 表 (0x95 0x5C) is no escape.
std::string Unescape(const std::string &text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((ShiftJis::IsLeadByte(static_cast<unsigned char>(text[i])) || text[i] == '\\') && i + 1 < text.size()) {
            const char next = text[++i];
            plain += text[i - 1] != '\\' ? text.substr(i - 1, 2) : std::string(1, next == 'r' ? '\r' : next == 'n' ? '\n' : next);
        } else {
            plain += text[i];
        }
    }
    return plain;
}

}

namespace TestData {

std::string Text(const char *resource) {
    HRSRC found = FindResourceA(nullptr, resource, MAKEINTRESOURCEA(10));
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const char *bytes = loaded ? static_cast<const char *>(LockResource(loaded)) : nullptr;
    return bytes ? ShiftJisOf(std::string(bytes, SizeofResource(nullptr, found))) : std::string();
}

std::vector<std::string> Lines(const char *resource) {
    const std::string text = Text(resource);
    std::vector<std::string> lines;
    for (size_t start = 0, end; start < text.size(); start = end + 1) {
        end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start - (end > start && text[end - 1] == '\r'));
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
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
