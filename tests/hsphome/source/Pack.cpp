#include "Pack.h"

#include <cstdint>

#include "Bytes.h"

namespace {
const char dpmMagic[] = "DPMX";

void PutNumber(std::string &out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}
}

bool ReadPackList(const std::string &path, std::vector<PackEntry> &entries) {
    std::string bytes;
    if (!Bytes::ReadFile(path, bytes))
        return false;
    entries.clear();
    for (const std::string &line : Bytes::Lines(bytes)) {
        if (line.empty() || line[0] == ';')
            continue;
        const bool encrypted = line[0] == '+';
        entries.push_back({encrypted ? line.substr(1) : line, encrypted});
    }
    return true;
}

void AddToDpm(std::string &dpm, const std::string &name, const std::string &bytes, bool encrypted) {
    if (dpm.empty())
        dpm = dpmMagic;
    PutNumber(dpm, static_cast<uint32_t>(name.size()));
    dpm += name;
    dpm += encrypted ? '\1' : '\0';
    PutNumber(dpm, static_cast<uint32_t>(bytes.size()));
    for (char c : bytes)
        dpm += encrypted ? static_cast<char>(c ^ 0x5A) : c;
}

bool MakeDpm(const std::vector<PackEntry> &entries, std::string &dpm, std::string &error) {
    dpm = dpmMagic;
    for (const PackEntry &entry : entries) {
        std::string bytes;
        if (!Bytes::ReadFile(entry.name, bytes)) {
            error = "#Error: ファイルが見つかりません [" + entry.name + "]";
            return false;
        }
        AddToDpm(dpm, Bytes::FilePart(entry.name), bytes, entry.encrypted);
    }
    return true;
}

std::string MakeExecutable(const std::string &runtime, const std::string &dpm, const ExecutableOptions &options) {
    return runtime + dpm + "\r\nHSP3 test executable: kind=" + std::to_string(options.kind) +
           " width=" + std::to_string(options.width) + " height=" + std::to_string(options.height) +
           " hide=" + std::to_string(options.hide) + "\r\n";
}
