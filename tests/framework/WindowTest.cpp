#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "framework/Window.h"

namespace {

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Received> received;

// The class procedure: what "the previous procedure" of a bound window is.
LRESULT CALLBACK Recording(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    received.push_back({message, wParam, lParam});
    if (message >= WM_USER && message != WM_CREATE)
        return static_cast<LRESULT>(message) * 3 + static_cast<LRESULT>(wParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

const char *RecordingClass() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Recording;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TamborelTestRecording";
        return RegisterClassA(&wc) != 0;
    }();
    return registered ? "TamborelTestRecording" : nullptr;
}

bool Seen(UINT message) {
    for (const Received &r : received)
        if (r.message == message)
            return true;
    return false;
}

class AppWindow : public Window {
public:
    std::vector<UINT> appMessages;
    int creates = 0;
    int ncCreates = 0;
    LRESULT OnAppMessage(UINT message, WPARAM, LPARAM) override {
        appMessages.push_back(message);
        return 77;
    }
    LRESULT OnCreate(WPARAM, LPARAM) override {
        ++creates;
        return 0;
    }
    LRESULT OnNcCreate(WPARAM w, LPARAM l) override {
        ++ncCreates;
        return Window::OnNcCreate(w, l);
    }
};

bool CreateRecording(Window &window, DWORD style = WS_OVERLAPPED, HWND parent = nullptr) {
    return window.Create(0, RecordingClass(), "", style, 0, 0, 100, 100, parent, nullptr, GetModuleHandleA(nullptr),
                         nullptr);
}

}

TEST(Window, RoutesApplicationRangeToOnAppMessageAndRegisteredRangeToPreviousProcedure) {
    AppWindow window;
    ASSERT_TRUE(CreateRecording(window));
    received.clear();
    EXPECT_EQ(77, SendMessageA(window.GetHandle(), 0x8000, 1, 2));
    EXPECT_EQ(77, SendMessageA(window.GetHandle(), 0xBFFF, 1, 2));
    EXPECT_FALSE(Seen(0x8000));
    EXPECT_EQ(0xC000 * 3 + 5, SendMessageA(window.GetHandle(), 0xC000, 5, 9));
    EXPECT_EQ((std::vector<UINT>{0x8000, 0xBFFF}), window.appMessages);
    ASSERT_EQ(1u, received.size());
    EXPECT_EQ(0xC000u, received[0].message);
    EXPECT_EQ(5u, received[0].wParam);
    EXPECT_EQ(9, received[0].lParam);
}

TEST(Window, ObjectIsBoundOnlyWhenCreateReturnsSoEarlierMessagesReachThePreviousProcedure) {
    received.clear();
    AppWindow window;
    ASSERT_TRUE(CreateRecording(window));
    EXPECT_TRUE(Seen(WM_NCCREATE));
    EXPECT_TRUE(Seen(WM_CREATE));
    EXPECT_EQ(0, window.ncCreates);
    EXPECT_EQ(1, window.creates);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&window), window.GetUserData());
}

TEST(Window, ClassOverridingNothingBehavesAsTheBareWindow) {
    const UINT sequence[] = {WM_USER + 5, WM_APP + 1, 0xC123, WM_COMMAND, WM_TIMER, WM_NOTIFY, WM_SIZE, WM_SETCURSOR, WM_CONTEXTMENU};
    auto run = [&](HWND hwnd) {
        std::vector<LRESULT> results;
        received.clear();
        for (UINT m : sequence)
            results.push_back(SendMessageA(hwnd, m, 7, 0));
        return results;
    };
    HWND bare = CreateWindowExA(0, RecordingClass(), "", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    const std::vector<LRESULT> bareResults = run(bare);
    const std::vector<Received> bareReceived = received;
    DestroyWindow(bare);

    Window plain;
    ASSERT_TRUE(CreateRecording(plain));
    EXPECT_EQ(bareResults, run(plain.GetHandle()));
    ASSERT_EQ(bareReceived.size(), received.size());
    for (size_t i = 0; i < received.size(); ++i) {
        EXPECT_EQ(bareReceived[i].message, received[i].message);
        EXPECT_EQ(bareReceived[i].wParam, received[i].wParam);
    }
}

// Destroyed by the object or by the system with its parent, the handle is cleared and the
// object can make a new window.
TEST(Window, DestructionClearsTheHandleAndLeavesTheObjectReusable) {
    AppWindow parent, child;
    ASSERT_TRUE(CreateRecording(parent));
    ASSERT_TRUE(CreateRecording(child, WS_CHILD, parent.GetHandle()));
    DestroyWindow(parent.GetHandle());
    EXPECT_EQ(nullptr, child.GetHandle());
    EXPECT_EQ(nullptr, parent.GetHandle());

    ASSERT_TRUE(CreateRecording(parent));
    HWND first = parent.GetHandle();
    parent.Destroy();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(nullptr, parent.GetHandle());
    ASSERT_TRUE(CreateRecording(parent));
    EXPECT_EQ(3, parent.creates);
    EXPECT_EQ(77, SendMessageA(parent.GetHandle(), WM_APP, 0, 0));
}
