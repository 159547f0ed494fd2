#include "Bytes.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace Bytes {

bool ReadFile(const std::string &path, std::string &bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream all;
    all << in.rdbuf();
    bytes = all.str();
    return true;
}

bool WriteFile(const std::string &path, const std::string &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool Exists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        size_t cut = end;
        if (cut > start && text[cut - 1] == '\r')
            --cut;
        lines.push_back(text.substr(start, cut - start));
        start = end + 1;
    }
    return lines;
}

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

std::string Lower(const std::string &text) {
    std::string lower = text;
    for (size_t i = 0; i < lower.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(lower[i])))
            ++i;
        else if (lower[i] >= 'A' && lower[i] <= 'Z')
            lower[i] = static_cast<char>(lower[i] - 'A' + 'a');
    }
    return lower;
}

namespace {
size_t LastSeparator(const std::string &path) {
    size_t last = std::string::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(path[i])))
            ++i;
        else if (path[i] == '\\' || path[i] == '/')
            last = i;
    }
    return last;
}
}

std::string FilePart(const std::string &path) {
    const size_t last = LastSeparator(path);
    return last == std::string::npos ? path : path.substr(last + 1);
}

std::string DirectoryPart(const std::string &path) {
    const size_t last = LastSeparator(path);
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

}
