// The test installation's C converter (hsp3cnv.exe): given a path without extension, it reads
// that path + ".ax" (an object of the test compiler) and writes path + ".cpp". The path comes
// as the whole command line or after the program's own name.
#include <windows.h>

#include <string>
#include <vector>

#include "Bytes.h"
#include "ObjectFile.h"

namespace {

std::vector<std::string> Tokens(const char *commandLine) {
    std::vector<std::string> tokens;
    const std::string line = commandLine ? commandLine : "";
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        if (i >= line.size())
            break;
        const bool quoted = line[i] == '"';
        const size_t start = quoted ? i + 1 : i;
        size_t end = line.find(quoted ? '"' : ' ', start);
        if (end == std::string::npos)
            end = line.size();
        tokens.push_back(line.substr(start, end - start));
        i = end + 1;
    }
    return tokens;
}

bool IsOwnName(const std::string &token) {
    const std::string name = Bytes::Lower(Bytes::FilePart(token));
    return name == "hsp3cnv.exe" || name == "hsp3cnv";
}

}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::vector<std::string> tokens = Tokens(GetCommandLineA());
    if (!tokens.empty() && IsOwnName(tokens[0]))
        tokens.erase(tokens.begin());
    if (tokens.empty())
        return 2;
    ObjectFile object;
    if (!object.Read(tokens[0] + ".ax"))
        return 1;
    std::string source = "// " + object.source + " converted to C++ by the test installation's converter\r\n"
                         "#include \"hsp3r.h\"\r\n\r\nvoid __HspEntry(void) {\r\n";
    for (const std::string &line : object.code)
        source += "    // " + line + "\r\n";
    source += "}\r\n";
    return Bytes::WriteFile(tokens[0] + ".cpp", source) ? 0 : 1;
}
