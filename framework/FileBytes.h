// Whole files as bytes: reading one, and replacing one so that it is never left truncated or
// half written. Documents, settings, projects, pack lists and exported pages all save this way.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

namespace FileBytes {

enum class ReadState { Read, Missing, Unreadable, TooLarge };

// The file's bytes; anything but Read leaves bytes empty.
ReadState Read(const char *path, std::string &bytes, unsigned long long limit = 256ULL << 20);

// Where a writer puts the new contents, piece by piece.
class Sink {
public:
    explicit Sink(HANDLE file) : file_(file) {}
    bool Put(const char *data, size_t size);
    bool Put(const std::string &bytes) { return Put(bytes.data(), bytes.size()); }

private:
    HANDLE file_;
};

using Writer = std::function<bool(Sink &sink)>;

struct Outcome {
    bool saved = false;
    // Set when the save failed after the original may have been changed or removed: the new
    // contents, complete in this temporary file, are left on disk and the user must be told.
    std::string kept;
};

// The new contents go to a temporary file beside path first; that then takes path's place,
// keeping its attributes. When the original cannot be replaced (another program holds it open),
// the bytes are written over it in place and read back. On any failure the original is as it
// was, unless the outcome names the temporary file that was kept.
Outcome Replace(const char *path, const Writer &writer);
Outcome Replace(const char *path, const std::string &bytes);

}
