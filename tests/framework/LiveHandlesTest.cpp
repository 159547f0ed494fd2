// The live counts follow the handles the holders own: taking one over, moving it, giving it up
// and letting it go each leave the count of its kind right, and no other kind moves.
#include <gtest/gtest.h>

#include "framework/Font.h"
#include "framework/KernelHandle.h"
#include "framework/LiveHandles.h"
#include "framework/MappedView.h"

namespace {

LiveHandles::Snapshot With(LiveHandles::Snapshot snapshot, HandleKind kind, long change) {
    snapshot.counts[static_cast<int>(kind)] += change;
    return snapshot;
}

}

TEST(LiveHandles, CountsFollowTakingMovingReleasingAndClosing) {
    const LiveHandles::Snapshot start = LiveHandles::Take();
    {
        KernelHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        KernelHandle moved(std::move(event));
        KernelHandle assigned;
        assigned = std::move(moved);
        EXPECT_EQ(With(start, HandleKind::Kernel, 1), LiveHandles::Take());
        KernelHandle given(assigned.Release());
        given.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        EXPECT_EQ(With(start, HandleKind::Kernel, 1), LiveHandles::Take());
        CloseHandle(given.Release());
        EXPECT_EQ(start, LiveHandles::Take());

        KernelHandle mapping(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096, nullptr));
        MappedView view(MapViewOfFile(mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, 4096));
        MappedView movedView(std::move(view));
        Font font;
        font.Create(-12, nullptr);
        font.Create(-14, nullptr);
        EXPECT_EQ(With(With(With(start, HandleKind::Kernel, 1), HandleKind::MappedView, 1), HandleKind::Font, 1),
                  LiveHandles::Take())
            << LiveHandles::Take().Describe();
    }
    EXPECT_EQ(start, LiveHandles::Take()) << LiveHandles::Take().Describe();
}
