// The object file the test compiler writes (".ax"): a text header naming the script it was
// compiled from and its #runtime and #packopt name, then the script's code, includes expanded.
#pragma once

#include <string>
#include <vector>

struct ObjectFile {
    std::string source;
    // As the script named it ("hsp3mt"), empty for the default runtime.
    std::string runtime;
    std::string packName;
    int mode = 0;
    std::vector<std::string> code;

    bool Write(const std::string &path) const;
    // False when the file is missing or is no object of this compiler.
    bool Read(const std::string &path);
    // The runtime's program name: the #runtime name with ".exe" unless it has an extension.
    std::string RuntimeProgram() const;
};
