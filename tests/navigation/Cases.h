// Test cases kept as text in the test program's resources (RCDATA, written in UTF-8, handed
// out in Shift-JIS). A file of cases:
//   == title               starts a case
//   key: value             options, before the case's first file
//   -- name                starts a file of the case; its lines follow
// In a file's text "<|>" marks the caret and "[[...]]" the expected selection.
#pragma once

#include <map>
#include <string>
#include <vector>

struct CaseFile {
    std::string name;
    std::string text;
    long caret = -1;
    long selectionStart = -1;
    long selectionEnd = -1;
};

struct Case {
    std::string title;
    std::map<std::string, std::string> options;
    std::vector<CaseFile> files;

    std::string Option(const std::string &key) const;
};

std::vector<Case> LoadCases(int resource);
