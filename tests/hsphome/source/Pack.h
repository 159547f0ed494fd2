// Packing for the test compiler: the "packfile" list of the current folder, DPM data files made
// from it, and executables made of a runtime with a DPM appended.
#pragma once

#include <string>
#include <vector>

struct PackEntry {
    std::string name;
    bool encrypted = false;
};

// The entries of a packfile (";" lines are comments, "+" marks an encrypted file); false when
// there is no such file.
bool ReadPackList(const std::string &path, std::vector<PackEntry> &entries);

// A DPM holding each file (encrypted ones scrambled); extra names whole files given as bytes.
// On failure error says why (a listed file is missing).
bool MakeDpm(const std::vector<PackEntry> &entries, std::string &dpm, std::string &error);
void AddToDpm(std::string &dpm, const std::string &name, const std::string &bytes, bool encrypted);

struct ExecutableOptions {
    int width = 640;
    int height = 480;
    int hide = 0;
    int kind = 0;
};

// The runtime's bytes with the DPM and a trailer naming the options appended.
std::string MakeExecutable(const std::string &runtime, const std::string &dpm, const ExecutableOptions &options);
