// The search dialog in the running program: keys reach it through the program's own message
// loop (the dialog first, then the accelerators), as they do when the user types.
#include <gtest/gtest.h>

#include <windows.h>

#include "Scintilla.h"
#include "support/ProgramFolder.h"
#include "support/ProgramRun.h"
#include "support/TestFiles.h"

namespace {

// The edit view on show, wherever it sits among the frame's windows.
HWND VisibleView(HWND frame) {
    HWND found = nullptr;
    EnumChildWindows(
        frame,
        [](HWND hwnd, LPARAM result) -> BOOL {
            if (ProgramRun::ClassOf(hwnd) != "Scintilla" || !IsWindowVisible(hwnd))
                return TRUE;
            *reinterpret_cast<HWND *>(result) = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

void PressKey(HWND target, WPARAM key) {
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

// Waits until the view selects [start, end).
bool WaitForSelection(HWND view, LRESULT start, LRESULT end) {
    for (int i = 0; i < 100; ++i) {
        if (SendMessageA(view, SCI_GETSELECTIONSTART, 0, 0) == start && SendMessageA(view, SCI_GETSELECTIONEND, 0, 0) == end)
            return true;
        Sleep(100);
    }
    return false;
}

}

TEST(SearchDialog, EnterInTheDialogFindsAndF3FindsAgain) {
    ProgramFolder folder;
    const std::string script = folder.Path() + "search.hsp";
    TestFiles::Write(script, "abc abc abc\r\n");
    ProgramRun run(folder.Path(), "\"" + script + "\"");
    HWND frame = run.WaitForMainWindow();
    ASSERT_NE(nullptr, frame);
    HWND view = VisibleView(frame);
    ASSERT_NE(nullptr, view);
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(40002, 0), 0);
    HWND dialog = run.WaitForWindow("#32770", "検索", 20000);
    ASSERT_NE(nullptr, dialog);
    HWND box = GetDlgItem(dialog, 1001);
    SetWindowTextA(box, "abc");
    PressKey(FindWindowExA(box, nullptr, "Edit", nullptr), VK_RETURN);
    EXPECT_TRUE(WaitForSelection(view, 0, 3));
    EXPECT_TRUE(IsWindow(dialog)) << "the dialog stays open";
    PressKey(view, VK_F3);
    EXPECT_TRUE(WaitForSelection(view, 4, 7));
    PressKey(view, VK_F4);
    EXPECT_TRUE(WaitForSelection(view, 0, 3));
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(40004, 0), 0);
    EXPECT_NE(nullptr, run.WaitForWindow("#32770", "置換", 20000)) << "Ctrl+H turns the open dialog to replacing";
    PostMessageA(frame, WM_CLOSE, 0, 0);
}
