// What a long session could leak, measured before and after a loop of the same work: the
// program's own handles per kind, the native windows of this process (children too) and memory.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "framework/LiveHandles.h"

namespace Leaks {

struct Usage {
    LiveHandles::Snapshot handles;
    int windows = 0;
    size_t workingSet = 0;
    // Committed memory (PagefileUsage: Wine answers PrivateUsage with 0).
    size_t committed = 0;
};

Usage Measure();

struct Loop {
    Usage before, after;
    double seconds = 0;
    // What grew: handles or windows by any count, memory by more than the tolerance; empty when
    // nothing did.
    std::string Growth(size_t toleranceBytes) const;
    // "handles: ... -> ...; windows a -> b; working set x -> y MB; committed ..." for reports.
    std::string Describe() const;
};

// Runs round warmUp times (caches, first-use tables and pools fill), then measures, runs it
// count times and measures again.
Loop Repeat(int count, const std::function<void()> &round, int warmUp = 2);

}
