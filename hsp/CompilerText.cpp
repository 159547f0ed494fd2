#include "hsp/CompilerText.h"

#include "framework/ShiftJis.h"

namespace CompilerText {

namespace {

const int reservedWordColumn = 20;
const int maximumLineDigits = 9;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A lead byte followed by a byte that cannot end a double-byte character stands alone.
bool StartsDoubleByte(const char *text, size_t length, size_t i) {
    if (!ShiftJis::IsLeadByte(static_cast<unsigned char>(text[i])) || i + 1 >= length)
        return false;
    const unsigned char trail = static_cast<unsigned char>(text[i + 1]);
    return trail >= 0x40 && trail <= 0xFC && trail != 0x7F;
}

// Bytes no Windows file name holds.
bool IsNameByte(unsigned char c) {
    return c >= 0x20 && c != '"' && c != '<' && c != '>' && c != '|' && c != '*' && c != '?';
}

// At text[at] = '(': the line number of "(digits)" followed by blanks and ':', else 0.
int LineAfter(const char *text, size_t length, size_t at) {
    size_t i = at + 1;
    int line = 0;
    while (i < length && IsDigit(text[i]) && i - at <= maximumLineDigits)
        line = line * 10 + (text[i++] - '0');
    if (i == at + 1 || i >= length || text[i] != ')')
        return 0;
    ++i;
    while (i < length && text[i] == ' ')
        ++i;
    return i < length && text[i] == ':' ? line : 0;
}

}

bool ParseLocation(const char *text, size_t length, Location &location) {
    size_t start = 0;
    while (start < length && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    if (length - start >= 3 && text[start] == '-' && text[start + 1] == '-' && text[start + 2] == '>')
        return false;
    for (size_t i = start; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (StartsDoubleByte(text, length, i)) {
            ++i;
            continue;
        }
        if (c == '(' && i > start) {
            const int line = LineAfter(text, length, i);
            if (line > 0) {
                size_t end = i;
                while (end > start && text[end - 1] == ' ')
                    --end;
                location.file.assign(text + start, end - start);
                location.line = line;
                return end > start;
            }
        }
        if (!IsNameByte(c))
            return false;
    }
    return false;
}

bool FirstLocation(const std::string &messages, Location &location, std::string *line) {
    size_t start = 0;
    while (start < messages.size()) {
        size_t end = messages.find('\n', start);
        if (end == std::string::npos)
            end = messages.size();
        const size_t cut = end > start && messages[end - 1] == '\r' ? end - 1 : end;
        if (ParseLocation(messages.data() + start, cut - start, location)) {
            if (line)
                line->assign(messages, start, cut - start);
            return true;
        }
        start = end + 1;
    }
    return false;
}

std::string LineAt(const std::string &text, size_t number) {
    size_t start = 0;
    for (; number > 0 && start < text.size(); --number) {
        const size_t end = text.find('\n', start);
        start = end == std::string::npos ? text.size() : end + 1;
    }
    if (number > 0 || start >= text.size())
        return std::string();
    size_t end = text.find('\n', start);
    if (end == std::string::npos)
        end = text.size();
    if (end > start && text[end - 1] == '\r')
        --end;
    return text.substr(start, end - start);
}

std::string ExpandTabs(const std::string &text) {
    std::string expanded;
    expanded.reserve(text.size() + text.size() / 2);
    int column = 0;
    for (char c : text) {
        if (c == '\t') {
            expanded.append(column < reservedWordColumn ? static_cast<size_t>(reservedWordColumn - column) : 1, ' ');
            continue;
        }
        expanded += c;
        column = c == '\n' ? 0 : column + 1;
    }
    return expanded;
}

std::string WithCrLf(const std::string &text) {
    std::string lines;
    lines.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            lines += text[i];
        }
    }
    return lines;
}

}
