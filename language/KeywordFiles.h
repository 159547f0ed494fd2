// The readers of keyword files: user keyword lists (*.kw), completion lists (*.cc) and code-tip
// tables (*.ct). Each takes its files in order; a file that cannot be read or is empty adds
// nothing.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

struct CodeTip {
    std::string keyword;
    // Lines separated by line feeds.
    std::string text;
    // [start, end) byte ranges of the arguments in text.
    std::vector<std::pair<int, int>> ranges;
};

// By keyword; a keyword defined again later (a project's file after the common one) replaces
// the earlier tip.
using CodeTipTable = std::map<std::string, CodeTip>;

namespace KeywordFiles {

// The files' words as one lower-case text, every line break and control character a blank and
// one blank after each file. Lines whose first non-blank character is ";" are comments.
std::string ReadKeywordList(const std::vector<std::string> &paths);

// The distinct words of all the files, sorted by byte value (so upper case before lower case),
// separated by single blanks.
std::string ReadCompletionList(const std::vector<std::string> &paths);

// Lines "keyword?tip"; in a tip a backslash starts a new line and <...> marks an argument.
// Lines without a single-byte "?" are ignored.
CodeTipTable ReadCodeTips(const std::vector<std::string> &paths);

// What one file's bytes give each reader above.
std::string KeywordText(const std::string &bytes);
void AddCompletionWords(const std::string &bytes, std::set<std::string> &words);
void AddCodeTips(const std::string &bytes, CodeTipTable &table);

// One line of a code-tip file, without its line end; false when the line holds no tip.
bool ParseCodeTip(const std::string &line, CodeTip &tip);

}
