#include "hsp/PackList.h"

#include <shlwapi.h>

#include <algorithm>

#include "framework/FileBytes.h"
#include "framework/ShiftJis.h"
#include "hsp/Packfile.h"

namespace {

std::string FullPath(const std::string &path) {
    char full[MAX_PATH] = "";
    char canonical[MAX_PATH] = "";
    if (!GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr) || !PathCanonicalizeA(canonical, full))
        return path;
    return canonical;
}

// One character's code: a double-byte character counts as one number, lead byte high.
unsigned CharacterAt(const std::string &text, size_t &i) {
    const unsigned char lead = static_cast<unsigned char>(text[i++]);
    if (!ShiftJis::IsLeadByte(lead) || i >= text.size())
        return lead;
    return (lead << 8) | static_cast<unsigned char>(text[i++]);
}

bool Before(const std::string &a, const std::string &b) {
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const unsigned left = CharacterAt(a, i);
        const unsigned right = CharacterAt(b, j);
        if (left != right)
            return left < right;
    }
    return j < b.size();
}

}

PackList::PackList(const std::string &packfile) : packfile_(FullPath(packfile)) {
    folder_ = Path(packfile_.c_str()).DirectoryPart();
}

void PackList::Load() {
    std::string bytes;
    if (FileBytes::Read(packfile_.c_str(), bytes) != FileBytes::ReadState::Read)
        return;
    for (const Packfile::Line &line : Packfile::Parse(bytes))
        Add(line.name, line.encrypted);
}

bool PackList::Add(const std::string &name, bool encrypted) {
    if (name.empty())
        return false;
    const std::string full = FullPath(PathIsRelativeA(name.c_str()) ? folder_ + name : name);
    const DWORD attributes = GetFileAttributesA(full.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) ||
        lstrcmpiA(full.c_str(), packfile_.c_str()) == 0)
        return false;
    for (const Entry &entry : entries_)
        if (full == entry.path.Full())
            return false;
    Entry entry;
    entry.path.Set(full.c_str());
    entry.encrypted = encrypted;
    const auto place = std::lower_bound(entries_.begin(), entries_.end(), full,
                                        [](const Entry &listed, const std::string &path) { return Before(listed.path.Full(), path); });
    entries_.insert(place, entry);
    return true;
}

void PackList::Remove(const std::vector<int> &indexes) {
    std::vector<int> sorted = indexes;
    std::sort(sorted.rbegin(), sorted.rend());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (int index : sorted)
        if (index >= 0 && index < static_cast<int>(entries_.size()))
            entries_.erase(entries_.begin() + index);
}

void PackList::SetEncrypted(int index, bool encrypted) {
    if (index >= 0 && index < static_cast<int>(entries_.size()))
        entries_[static_cast<size_t>(index)].encrypted = encrypted;
}

// A file named "+a.png" or ";a.png" would read back as another file or a comment by its name
// alone: it is written with its full path.
std::string PackList::Format() const {
    std::vector<Packfile::Line> lines;
    for (const Entry &entry : entries_) {
        const bool byName = folder_ == entry.path.DirectoryPart() && Packfile::Writable(entry.path.FilePart());
        lines.push_back({byName ? entry.path.FilePart() : entry.path.Full(), entry.encrypted});
    }
    return Packfile::Format(lines);
}
