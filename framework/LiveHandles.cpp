#include "framework/LiveHandles.h"

#include <atomic>

namespace {

// Kernel handles and internet handles are also held on worker threads.
std::array<std::atomic<long>, LiveHandles::Kinds> counts;

const char *const names[LiveHandles::Kinds] = {"Window", "Font", "Bitmap", "ImageList", "Menu", "Icon",
                                               "MemoryDC", "Kernel", "MappedView", "Module", "Internet", "FileSearch"};

}

long LiveHandles::Count(HandleKind kind) { return counts[static_cast<int>(kind)].load(); }

LiveHandles::Snapshot LiveHandles::Take() {
    Snapshot snapshot;
    for (int kind = 0; kind < Kinds; ++kind)
        snapshot.counts[kind] = counts[kind].load();
    return snapshot;
}

const char *LiveHandles::Name(HandleKind kind) { return names[static_cast<int>(kind)]; }

void LiveHandles::Add(HandleKind kind, long change) { counts[static_cast<int>(kind)] += change; }

std::string LiveHandles::Snapshot::Describe() const {
    std::string text;
    for (int kind = 0; kind < Kinds; ++kind) {
        if (kind)
            text += ", ";
        text += names[kind];
        text += " " + std::to_string(counts[kind]);
    }
    return text;
}
