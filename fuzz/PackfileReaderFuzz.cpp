// The packfile's lines over any bytes, and what the pack file editor writes from them: a list
// written and read again must name the same files with the same encryption, or a save of the
// editor changes what gets packed. A name the writer takes as it stands must read back alone.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "hsp/Packfile.h"

namespace {

void Check(bool holds) {
    if (!holds)
        std::abort();
}

bool Same(const std::vector<Packfile::Line> &a, const std::vector<Packfile::Line> &b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].encrypted != b[i].encrypted)
            return false;
    return true;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const std::vector<Packfile::Line> lines = Packfile::Parse(bytes);
    Check(Same(Packfile::Parse(Packfile::Format(lines)), lines));

    // The input taken as one file's name, as the editor's list would hold it.
    for (const bool encrypted : {false, true}) {
        const std::vector<Packfile::Line> one{{bytes, encrypted}};
        if (encrypted ? !bytes.empty() && bytes.find('\n') == std::string::npos : Packfile::Writable(bytes))
            Check(Same(Packfile::Parse(Packfile::Format(one)), one));
    }
    return 0;
}
