// What the test compiler makes of a script: it reads the file and its includes (the current
// folder first, then the common folder), checks directives, strings and labels, and gathers the
// messages a compiler prints, in Shift-JIS:
//     main.hsp(3) : error 2 : 文字列が閉じられていません (3行目)
//     --> mes "hello
#pragma once

#include <string>
#include <vector>

struct CompiledScript {
    bool ok = false;
    std::string messages;
    std::string runtime;
    std::string packName;
    std::vector<std::string> code;
};

// source: the file to read (relative names against the current folder); shownName: the main
// file's name in messages (empty: the source's file name); common: the common folder, ending
// with a backslash.
CompiledScript CompileScript(const std::string &source, const std::string &shownName, const std::string &common);
