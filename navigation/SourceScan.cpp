#include "navigation/SourceScan.h"

#include <algorithm>
#include <cstring>

#include "framework/ShiftJis.h"
#include "vessary/VessaryMessages.h"

namespace SourceScan {

namespace {

const size_t longestText = 1024;

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

size_t LineEnd(std::string_view text, size_t position) {
    while (position < text.size() && !IsLineEnd(text[position]))
        ++position;
    return position;
}

size_t NextLine(std::string_view text, size_t lineEnd) {
    if (lineEnd < text.size() && text[lineEnd] == '\r')
        ++lineEnd;
    if (lineEnd < text.size() && text[lineEnd] == '\n')
        ++lineEnd;
    return lineEnd;
}

size_t LineStart(std::string_view text, size_t position) {
    while (position > 0 && !IsLineEnd(text[position - 1]))
        --position;
    return position;
}

bool IsString(int style) { return style == VSHSP_STRING || style == VSHSP_MULTISTRING; }

bool IsName(int style) {
    return style == VSHSP_IDENTIFIER || style == VSHSP_MACRO || style == VSHSP_WIN32API || style == VSHSP_PLUGIN ||
           style == VSHSP_USER;
}

bool IsComment(int style) { return style == VSHSP_COMMENTBLOCK || style == VSHSP_COMMENTLINE; }

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// The bytes a name of the definition list starts a character with.
bool IsNameByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || u == '@' || u == '_' || (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

// The end of the run of positions from start, before limit, whose style passes.
template <class Test> size_t RunEnd(const StyledText &text, size_t start, size_t limit, Test test) {
    while (start < limit && test(text.StyleAt(start)))
        ++start;
    return start;
}

// Each "c" in text, in order, handed to visit with its position.
template <class Visit> void EachByte(std::string_view text, char c, Visit visit) {
    for (size_t p = text.find(c); p != std::string_view::npos; p = text.find(c, p + 1))
        visit(p);
}

std::string_view Whole(std::string_view text, size_t start, size_t end) {
    return text.substr(start, ShiftJis::WholeLength(text.data() + start, end - start));
}

size_t LastCharacter(std::string_view text, size_t start, size_t end) {
    size_t last = start;
    for (size_t p = start; p < end; p += ShiftJis::IsLeadByte(static_cast<unsigned char>(text[p])) ? 2 : 1)
        last = p;
    return last;
}

// Whether lower (a keyword in lower case) stands at p, ASCII letters in either case; the second
// byte of a double-byte character, which may be a letter, must match exactly.
bool MatchesAt(std::string_view text, size_t p, const std::string &lower) {
    for (size_t i = 0; i < lower.size(); ++i) {
        const char c = text[p + i];
        if (ShiftJis::IsLeadByte(static_cast<unsigned char>(lower[i])) && i + 1 < lower.size()) {
            if (c != lower[i] || text[p + i + 1] != lower[i + 1])
                return false;
            ++i;
        } else if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != lower[i]) {
            return false;
        }
    }
    return true;
}

bool HasPrefix(std::string_view text, const char *prefix) { return text.substr(0, std::strlen(prefix)) == prefix; }

// One parameter [start, end) of a directive line, blanks trimmed.
struct Part {
    size_t start;
    size_t end;
};

std::vector<Part> SplitParameters(const StyledText &text, size_t start, size_t end) {
    const std::string_view bytes = text.Bytes();
    std::vector<Part> parts;
    size_t from = start;
    for (size_t p = start; p <= end; ++p) {
        if (p < end && !(bytes[p] == ',' && text.StyleAt(p) == VSHSP_OPERATOR))
            continue;
        size_t a = from, b = p;
        while (a < b && IsBlank(bytes[a]))
            ++a;
        while (b > a && IsBlank(bytes[b - 1]))
            --b;
        parts.push_back({a, b});
        from = p + 1;
    }
    if (parts.size() == 1 && parts[0].start == parts[0].end)
        parts.clear();
    return parts;
}

// "name parameters" as the line writes them; local variables are no parameters, so the text
// stops before the first of them.
CodeTip MakeTip(const StyledText &text, std::string_view name, size_t start, size_t lineEnd) {
    size_t end = start;
    while (end < lineEnd && !IsComment(text.StyleAt(end)))
        ++end;
    const std::string_view bytes = text.Bytes();
    CodeTip tip;
    tip.keyword = Lower(name);
    tip.text = std::string(name);
    std::vector<Part> parts = SplitParameters(text, start, end);
    size_t kept = 0;
    while (kept < parts.size() && !HasPrefix(Lower(bytes.substr(parts[kept].start, parts[kept].end - parts[kept].start)), "local"))
        ++kept;
    if (kept == 0)
        return tip;
    const size_t first = parts[0].start;
    tip.text += ' ';
    const size_t offset = tip.text.size();
    tip.text += bytes.substr(first, parts[kept - 1].end - first);
    for (size_t i = 0; i < kept; ++i)
        tip.ranges.emplace_back(static_cast<int>(offset + parts[i].start - first), static_cast<int>(offset + parts[i].end - first));
    return tip;
}

}

std::string Lower(std::string_view name) {
    std::string lower(name);
    ShiftJis::LowerAscii(lower);
    return lower;
}

FileScan Scan(const StyledText &text) {
    FileScan scan;
    scan.length = text.Bytes().size();
    scan.includes = FindIncludes(text);
    scan.definitions = FindDefinitions(text);
    scan.labels = FindLabels(text);
    return scan;
}

std::vector<Include> FindIncludes(const StyledText &text) {
    const std::string_view bytes = text.Bytes();
    std::vector<Include> includes;
    EachByte(bytes, '#', [&](size_t p) {
        if (text.StyleAt(p) != VSHSP_PREPROCESSOR)
            return;
        const size_t word = RunEnd(text, p + 1, std::min(p + 5, bytes.size()), [](int s) { return s == VSHSP_PREPROCESSOR; });
        const std::string_view head = bytes.substr(p + 1, word - p - 1);
        if (head != "incl" && head != "addi")
            return;
        const size_t end = LineEnd(bytes, p);
        const size_t open = RunEnd(text, p, end, [](int s) { return !IsString(s); });
        const size_t close = RunEnd(text, open, end, IsString);
        // The string without its quotes; a line without one, or with an empty one, names no file.
        size_t last = close;
        if (close - open >= 2 && bytes[close - 1] == '"')
            --last;
        if (open + 1 >= last)
            return;
        includes.push_back({p, NextLine(bytes, end), std::string(bytes.substr(open + 1, last - open - 1))});
    });
    return includes;
}

std::vector<Definition> FindDefinitions(const StyledText &text) {
    const std::string_view bytes = text.Bytes();
    std::vector<Definition> definitions;
    EachByte(bytes, '#', [&](size_t p) {
        if (p + 1 >= bytes.size() || !std::strchr("cdefmu", bytes[p + 1]) || text.StyleAt(p) != VSHSP_PREPROCESSOR)
            return;
        const size_t end = LineEnd(bytes, p);
        const size_t start = RunEnd(text, p + 1, end, [](int s) { return !IsName(s); });
        const size_t stop = RunEnd(text, start, end, IsName);
        if (start == stop)
            return;
        Definition definition;
        definition.directive = p;
        definition.keyword = Lower(bytes.substr(p, RunEnd(text, p, end, [](int s) { return s == VSHSP_PREPROCESSOR; }) - p));
        definition.name = std::string(bytes.substr(start, stop - start));
        definition.lowerName = Lower(definition.name);
        definition.lastCharacter = LastCharacter(bytes, start, stop);
        if (definition.keyword == "#deffunc" || definition.keyword == "#defcfunc")
            definition.tip = MakeTip(text, definition.name, stop, end);
        definitions.push_back(std::move(definition));
    });
    return definitions;
}

std::vector<Label> FindLabels(const StyledText &text) {
    const std::string_view bytes = text.Bytes();
    std::vector<Label> labels;
    EachByte(bytes, '*', [&](size_t p) {
        if (p + 1 >= bytes.size() || (bytes[p + 1] >= '0' && bytes[p + 1] <= '9') || bytes[p + 1] == ' ')
            return;
        if (text.StyleAt(p) != VSHSP_LABEL)
            return;
        const size_t limit = std::min(LineEnd(bytes, p), p + longestText);
        const size_t end = RunEnd(text, p, limit, [](int s) { return s == VSHSP_LABEL; });
        labels.push_back({p, std::string(Whole(bytes, p, end))});
    });
    return labels;
}

std::vector<DirectiveRow> FindDirectiveRows(const StyledText &text, const std::vector<std::string> &kinds) {
    const std::string_view bytes = text.Bytes();
    std::vector<DirectiveRow> rows;
    EachByte(bytes, '#', [&](size_t p) {
        if (p + 1 >= bytes.size() || !std::strchr("acdefgimpru", bytes[p + 1]) || text.StyleAt(p) != VSHSP_PREPROCESSOR)
            return;
        const size_t lineStart = LineStart(bytes, p);
        if (RunEnd(text, lineStart, p, [](int s) { return s == VSHSP_DEFAULT; }) != p)
            return;
        const size_t lineEnd = LineEnd(bytes, p);
        const size_t wordEnd = RunEnd(text, p, std::min(lineEnd, p + longestText), [](int s) { return s == VSHSP_PREPROCESSOR; });
        const std::string_view keyword = bytes.substr(p, wordEnd - p);
        bool checked = false;
        for (const std::string &kind : kinds)
            checked = checked || (keyword.size() == kind.size() + 1 && keyword.substr(1) == kind);
        if (!checked)
            return;
        const size_t restEnd = std::min(lineEnd, wordEnd + longestText);
        size_t name = wordEnd;
        while (name < restEnd && (IsBlank(bytes[name]) || text.StyleAt(name) == VSHSP_PRERESERVED))
            ++name;
        // A double-byte character is taken whole: its second byte may be any byte from 0x40.
        size_t nameEnd = name;
        while (nameEnd < restEnd && IsNameByte(bytes[nameEnd]))
            nameEnd += ShiftJis::IsLeadByte(static_cast<unsigned char>(bytes[nameEnd])) ? 2 : 1;
        nameEnd = std::min(nameEnd, restEnd);
        const std::string_view before = bytes.substr(wordEnd, name - wordEnd);
        DirectiveRow row{p, std::string(keyword), "", std::string(Whole(bytes, name, nameEnd))};
        for (const char *scope : {"global", "local", "ctype"})
            if (before.find(scope) != std::string_view::npos)
                row.scope += std::string(scope) + " ";
        rows.push_back(std::move(row));
    });
    return rows;
}

std::vector<size_t> FindKeyword(std::string_view text, std::string_view keyword) {
    std::vector<size_t> found;
    if (keyword.empty())
        return found;
    const std::string lower = Lower(keyword);
    for (size_t p = 0; p + lower.size() <= text.size(); p += ShiftJis::IsLeadByte(static_cast<unsigned char>(text[p])) ? 2 : 1)
        if (MatchesAt(text, p, lower))
            found.push_back(p);
    return found;
}

std::string RestOfLine(std::string_view text, size_t position, size_t limit) {
    const size_t end = LineEnd(text, position);
    return std::string(Whole(text, position, std::min(end, position + limit)));
}

size_t LineCounter::LineOf(size_t position) {
    for (; scanned_ < position && scanned_ < text_.size(); ++scanned_) {
        const char c = text_[scanned_];
        if (c == '\n' || (c == '\r' && (scanned_ + 1 >= text_.size() || text_[scanned_ + 1] != '\n')))
            ++line_;
    }
    return line_;
}

}
