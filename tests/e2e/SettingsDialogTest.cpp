// The settings dialog in the real program, opened from its menu command and worked as a user
// does: a colour changed on a language page and OK recolour the open document at once.
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>

#include "Scintilla.h"

#include "settings/SystemColor.h"
#include "settingsui/SettingsUiResources.h"
#include "resources/resource.h"
#include "support/ProgramFolder.h"
#include "support/ProgramRun.h"
#include "support/TestFiles.h"

namespace {

// A control anywhere in the dialog, its pages included.
HWND Control(HWND dialog, int id) {
    std::pair<int, HWND> search{id, nullptr};
    EnumChildWindows(dialog, [](HWND hwnd, LPARAM data) -> BOOL {
        auto *wanted = reinterpret_cast<std::pair<int, HWND> *>(data);
        if (GetDlgCtrlID(hwnd) == wanted->first)
            wanted->second = hwnd;
        return !wanted->second;
    }, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

COLORREF NumberColour(HWND view) { return static_cast<COLORREF>(SendMessageA(view, SCI_STYLEGETFORE, 4, 0)); }

}

TEST(SettingsDialog, OkRecoloursTheOpenHspDocumentAtOnce) {
    ProgramFolder folder;
    const std::string script = folder.Path() + "main.hsp";
    TestFiles::Write(script, "x = 12345\r\n");
    ProgramRun run(folder.Path(), "\"" + script + "\"");
    HWND frame = run.WaitForMainWindow();
    ASSERT_NE(nullptr, frame);
    HWND view = FindWindowExA(FindWindowExA(frame, nullptr, "SysTabControl32", nullptr), nullptr, "Scintilla", nullptr);
    ASSERT_EQ(Colors::Bisque, NumberColour(view));

    PostMessageA(frame, WM_COMMAND, IDM_SETTINGS, 0);
    HWND dialog = run.WaitForWindow("#32770", "設定", 20000);
    ASSERT_NE(nullptr, dialog);
    SendMessageA(Control(dialog, IDC_HSP_NUMBER), CB_SETCURSEL, SystemColor().IndexOf(Colors::Red), 0);
    SendMessageA(Control(dialog, IDOK), BM_CLICK, 0, 0);
    for (int i = 0; i < 100 && IsWindow(dialog); ++i)
        Sleep(50);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(Colors::Red, NumberColour(view));
}
