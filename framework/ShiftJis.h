// Shift-JIS (code page 932) byte classes. The program's text is Shift-JIS throughout; a trail
// byte may be 0x5C or 0x40, so any scan for single-byte characters must step over pairs.
#pragma once

#include <cstddef>
#include <string>

namespace ShiftJis {

inline bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// The length of the longest start of text[0, length) that does not end inside a double-byte
// character: where to cut a text without leaving half a character.
inline size_t WholeLength(const char *text, size_t length) {
    size_t whole = 0;
    while (whole < length) {
        const size_t step = IsLeadByte(static_cast<unsigned char>(text[whole])) ? 2 : 1;
        if (whole + step > length)
            break;
        whole += step;
    }
    return whole;
}

// The position of the last single-byte c in text[0, length), or -1.
inline int FindLast(const char *text, int length, char c) {
    int found = -1;
    for (int i = 0; i < length; ++i) {
        if (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < length) {
            ++i;
            continue;
        }
        if (text[i] == c)
            found = i;
    }
    return found;
}

// ASCII letters to lower case in place; a trail byte in A-Z belongs to a double-byte
// character and stays as it is.
inline void LowerAscii(std::string &text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size())
            ++i;
        else if (text[i] >= 'A' && text[i] <= 'Z')
            text[i] = static_cast<char>(text[i] - 'A' + 'a');
    }
}

inline std::string LowerAscii(const char *text) {
    std::string lower(text ? text : "");
    LowerAscii(lower);
    return lower;
}

// Whether the path's last character is a backslash or slash of its own, not the trail byte of
// a double-byte character such as 表 (0x95 0x5C).
inline bool EndsWithSeparator(const char *path, size_t length) {
    if (length == 0)
        return false;
    const size_t whole = WholeLength(path, length - 1);
    if (whole != length - 1)
        return false;
    return path[length - 1] == '\\' || path[length - 1] == '/';
}

inline bool EndsWithSeparator(const std::string &path) { return EndsWithSeparator(path.data(), path.size()); }

}
