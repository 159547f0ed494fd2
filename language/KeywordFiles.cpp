#include "language/KeywordFiles.h"

#include <fstream>
#include <iterator>
#include <set>

#include "framework/ShiftJis.h"

namespace {

// The whole file; empty when it cannot be read.
std::string ReadBytes(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::string();
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool IsLead(char c) { return ShiftJis::IsLeadByte(static_cast<unsigned char>(c)); }

// Calls each(line, broken) for every line of bytes, without its CR LF or LF; broken tells
// whether a line break followed it.
template <typename Each> void ForEachLine(const std::string &bytes, Each each) {
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        const bool broken = end != std::string::npos;
        const size_t next = broken ? end + 1 : bytes.size();
        if (!broken)
            end = bytes.size();
        if (broken && end > start && bytes[end - 1] == '\r')
            --end;
        each(bytes.substr(start, end - start), broken);
        start = next;
    }
}

bool IsCommentLine(const std::string &line) {
    const size_t first = line.find_first_not_of(" \t");
    return first != std::string::npos && line[first] == ';';
}

}

namespace KeywordFiles {

std::string KeywordText(const std::string &bytes) {
    std::string words;
    ForEachLine(bytes, [&words](const std::string &line, bool broken) {
        if (IsCommentLine(line))
            return;
        for (const char c : line)
            words += static_cast<unsigned char>(c) < 32 ? ' ' : c;
        if (broken)
            words += ' ';
    });
    ShiftJis::LowerAscii(words);
    return words;
}

std::string ReadKeywordList(const std::vector<std::string> &paths) {
    std::string list;
    for (const std::string &path : paths) {
        const std::string words = KeywordText(ReadBytes(path));
        if (words.empty())
            continue;
        list += words;
        list += ' ';
    }
    return list;
}

void AddCompletionWords(const std::string &bytes, std::set<std::string> &words) {
    size_t i = 0;
    while (i < bytes.size()) {
        while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) <= 32)
            ++i;
        const size_t start = i;
        while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) > 32)
            ++i;
        if (i > start)
            words.insert(bytes.substr(start, i - start));
    }
}

std::string ReadCompletionList(const std::vector<std::string> &paths) {
    std::set<std::string> words;
    for (const std::string &path : paths)
        AddCompletionWords(ReadBytes(path), words);
    std::string list;
    for (const std::string &word : words) {
        if (!list.empty())
            list += ' ';
        list += word;
    }
    return list;
}

bool ParseCodeTip(const std::string &line, CodeTip &tip) {
    size_t mark = std::string::npos;
    for (size_t i = 0; i < line.size(); ++i) {
        if (IsLead(line[i]) && i + 1 < line.size()) {
            ++i;
        } else if (line[i] == '?') {
            mark = i;
            break;
        }
    }
    if (mark == std::string::npos)
        return false;
    size_t start = 0;
    while (start < mark && static_cast<unsigned char>(line[start]) <= 32)
        ++start;
    size_t end = start;
    while (end < mark && static_cast<unsigned char>(line[end]) > 32)
        ++end;
    if (end == start)
        return false;
    tip.keyword = line.substr(start, end - start);
    tip.text.clear();
    tip.ranges.clear();
    int open = -1;
    for (size_t i = mark + 1; i < line.size(); ++i) {
        const char c = line[i];
        if (IsLead(c) && i + 1 < line.size()) {
            tip.text += c;
            tip.text += line[++i];
        } else if (c == '\\') {
            tip.text += '\n';
        } else if (c == '<') {
            open = static_cast<int>(tip.text.size());
        } else if (c == '>') {
            if (open >= 0)
                tip.ranges.emplace_back(open, static_cast<int>(tip.text.size()));
            open = -1;
        } else if (c != '\r' && c != '\n') {
            tip.text += c;
        }
    }
    return true;
}

void AddCodeTips(const std::string &bytes, CodeTipTable &table) {
    ForEachLine(bytes, [&table](const std::string &line, bool) {
        CodeTip tip;
        if (ParseCodeTip(line, tip))
            table[tip.keyword] = std::move(tip);
    });
}

CodeTipTable ReadCodeTips(const std::vector<std::string> &paths) {
    CodeTipTable table;
    for (const std::string &path : paths)
        AddCodeTips(ReadBytes(path), table);
    return table;
}

}
