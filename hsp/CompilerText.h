// Plain functions over the texts the compiler library gives (Shift-JIS bytes), apart from any
// window or file: where a message line points, the reserved-word list's columns, and line ends
// for multi-line edit controls.
#pragma once

#include <cstddef>
#include <string>

namespace CompilerText {

struct Location {
    std::string file;
    int line = 0;
};

// A message line such as "main.hsp(12) : error 2 : ..." names a file and a line (from 1); the
// "--> " lines that quote the script, and lines naming nothing, give false.
bool ParseLocation(const char *text, size_t length, Location &location);
// The first line of the messages that names a file and a line (given back in line, if asked).
bool FirstLocation(const std::string &messages, Location &location, std::string *line = nullptr);
// The text's line of this number (from 0), without its line end; empty past the last line.
std::string LineAt(const std::string &text, size_t number);

// Each tab becomes spaces up to column 20, counted from the line's start (at least one space).
std::string ExpandTabs(const std::string &text);
// Every line end made CR LF.
std::string WithCrLf(const std::string &text);

}
