// How many handles of each kind the program's holders have now. Under Wine the system's own
// counts (GetGuiResources, GetProcessHandleCount) answer 0, so a leak shows only here: each
// holder keeps a LiveHandle member that it sets whenever its handle changes.
#pragma once

#include <array>
#include <string>

enum class HandleKind { Window, Font, Bitmap, ImageList, Menu, Icon, MemoryDC, Kernel, MappedView, Module, Internet, FileSearch, Count };

class LiveHandles {
public:
    static constexpr int Kinds = static_cast<int>(HandleKind::Count);

    // The counts of every kind at one moment.
    struct Snapshot {
        std::array<long, Kinds> counts{};
        long operator[](HandleKind kind) const { return counts[static_cast<int>(kind)]; }
        bool operator==(const Snapshot &other) const { return counts == other.counts; }
        bool operator!=(const Snapshot &other) const { return counts != other.counts; }
        // "Window 3, Font 2, ..." (every kind, zeros too).
        std::string Describe() const;
    };

    static long Count(HandleKind kind);
    static Snapshot Take();
    static const char *Name(HandleKind kind);
    static void Add(HandleKind kind, long change);
};

// Counts the one handle of its holder while the holder says it holds one.
template <HandleKind K> class LiveHandle {
public:
    LiveHandle() = default;
    ~LiveHandle() { Set(false); }
    LiveHandle(const LiveHandle &) = delete;
    LiveHandle &operator=(const LiveHandle &) = delete;

    void Set(bool held) {
        if (held == held_)
            return;
        held_ = held;
        LiveHandles::Add(K, held ? 1 : -1);
    }

private:
    bool held_ = false;
};
