#include "ObjectFile.h"

#include <cstdlib>

#include "Bytes.h"

namespace {
const char magic[] = "HSP3 test object";

bool Field(const std::string &line, const char *name, std::string &value) {
    const std::string prefix = std::string(name) + "=";
    if (line.compare(0, prefix.size(), prefix) != 0)
        return false;
    value = line.substr(prefix.size());
    return true;
}
}

bool ObjectFile::Write(const std::string &path) const {
    std::string bytes = std::string(magic) + "\r\nsource=" + source + "\r\nruntime=" + runtime + "\r\npackname=" + packName +
                        "\r\nmode=" + std::to_string(mode) + "\r\n\r\n";
    for (const std::string &line : code)
        bytes += line + "\r\n";
    return Bytes::WriteFile(path, bytes);
}

bool ObjectFile::Read(const std::string &path) {
    std::string bytes;
    if (!Bytes::ReadFile(path, bytes))
        return false;
    const std::vector<std::string> lines = Bytes::Lines(bytes);
    if (lines.empty() || lines[0] != magic)
        return false;
    size_t i = 1;
    std::string modeText;
    for (; i < lines.size() && !lines[i].empty(); ++i) {
        Field(lines[i], "source", source) || Field(lines[i], "runtime", runtime) ||
            Field(lines[i], "packname", packName) || Field(lines[i], "mode", modeText);
    }
    mode = std::atoi(modeText.c_str());
    code.assign(lines.begin() + static_cast<std::ptrdiff_t>(i < lines.size() ? i + 1 : i), lines.end());
    return true;
}

std::string ObjectFile::RuntimeProgram() const {
    if (runtime.empty())
        return "";
    return Bytes::FilePart(runtime).find('.') == std::string::npos ? runtime + ".exe" : runtime;
}
