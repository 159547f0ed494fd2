// Places in HSP sources: where the caret was or a definition is, and the stretches of files the
// pre-processor reads in order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// file: a full path; empty for the active document while it has no file name.
struct SourceLocation {
    std::string file;
    intptr_t position = 0;
};

// [begin, end) of one file: end is the "#" of the include directive that interrupted it, or the
// length of the text.
struct TraceSegment {
    std::string file;
    size_t begin = 0;
    size_t end = 0;

    bool Holds(size_t position) const { return position >= begin && position < end; }
};
