// Shift-JIS (code page 932) byte classes. The program's text is Shift-JIS throughout; a trail
// byte may be 0x5C or 0x40, so any scan for single-byte characters must step over pairs.
#pragma once

#include <cstddef>

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

}
