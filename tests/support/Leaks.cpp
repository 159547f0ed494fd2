#include "support/Leaks.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>

#include "support/Timing.h"

namespace Leaks {

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int *>(count);
    return TRUE;
}

BOOL CALLBACK CountOwn(HWND hwnd, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != GetCurrentProcessId())
        return TRUE;
    ++*reinterpret_cast<int *>(count);
    EnumChildWindows(hwnd, CountChild, count);
    return TRUE;
}

std::string Megabytes(size_t bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f MB", static_cast<double>(bytes) / 1048576.0);
    return text;
}

std::string Change(const char *what, const std::string &before, const std::string &after) {
    return std::string(what) + " " + before + " -> " + after;
}

}

Usage Measure() {
    Usage usage;
    usage.handles = LiveHandles::Take();
    EnumWindows(CountOwn, reinterpret_cast<LPARAM>(&usage.windows));
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
        usage.workingSet = counters.WorkingSetSize;
        usage.committed = counters.PagefileUsage;
    }
    return usage;
}

std::string Loop::Growth(size_t toleranceBytes) const {
    std::string grown;
    const auto add = [&grown](const std::string &text) { grown += (grown.empty() ? "" : "; ") + text; };
    if (after.handles != before.handles)
        add(Change("handles", before.handles.Describe(), after.handles.Describe()));
    if (after.windows != before.windows)
        add(Change("windows", std::to_string(before.windows), std::to_string(after.windows)));
    if (after.workingSet > before.workingSet + toleranceBytes)
        add(Change("working set", Megabytes(before.workingSet), Megabytes(after.workingSet)));
    if (after.committed > before.committed + toleranceBytes)
        add(Change("committed", Megabytes(before.committed), Megabytes(after.committed)));
    return grown;
}

std::string Loop::Describe() const {
    return Change("handles", before.handles.Describe(), after.handles.Describe()) + "\n  " +
           Change("windows", std::to_string(before.windows), std::to_string(after.windows)) + "; " +
           Change("working set", Megabytes(before.workingSet), Megabytes(after.workingSet)) + "; " +
           Change("committed", Megabytes(before.committed), Megabytes(after.committed));
}

Loop Repeat(int count, const std::function<void()> &round, int warmUp) {
    for (int i = 0; i < warmUp; ++i)
        round();
    Loop loop;
    loop.before = Measure();
    const double start = Seconds();
    for (int i = 0; i < count; ++i)
        round();
    loop.seconds = Seconds() - start;
    loop.after = Measure();
    return loop;
}

}
