// The settings dialog in the real program, as a user works it: a colour changed on a language
// page and OK recolour the open document at once, and the change is in the file after exit.
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

TEST(SettingsDialog, OkRecoloursTheOpenHspDocumentAtOnceAndTheColourIsSavedAtExit) {
    ProgramFolder folder;
    const std::string script = folder.Path() + "main.hsp";
    TestFiles::Write(script, "x = 12345\r\n");
    ProgramRun run(folder.Path(), "\"" + script + "\"");
    HWND frame = run.WaitForMainWindow();
    ASSERT_NE(nullptr, frame);
    HWND view = FindWindowExA(FindWindowExA(frame, nullptr, "SysTabControl32", nullptr), nullptr, "Scintilla", nullptr);
    ASSERT_NE(nullptr, view);
    ASSERT_EQ(Colors::Bisque, NumberColour(view));

    PostMessageA(frame, WM_COMMAND, IDM_SETTINGS, 0);
    HWND dialog = run.WaitForWindow("#32770", "設定", 20000);
    ASSERT_NE(nullptr, dialog);
    HWND number = Control(dialog, IDC_HSP_NUMBER);
    ASSERT_NE(nullptr, number);
    SendMessageA(number, CB_SETCURSEL, SystemColor().IndexOf(Colors::Red), 0);
    SendMessageA(Control(dialog, IDOK), BM_CLICK, 0, 0);
    for (int i = 0; i < 100 && IsWindow(dialog); ++i)
        Sleep(50);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(Colors::Red, NumberColour(view));

    PostMessageA(frame, WM_CLOSE, 0, 0);
    DWORD code = 1;
    ASSERT_TRUE(run.WaitForExit(20000, code));
    const std::string hsp = TestFiles::Read(folder.Path() + "lexer\\hsp.xml");
    const size_t type = hsp.find("<type id=\"number\">");
    ASSERT_NE(std::string::npos, type) << hsp;
    EXPECT_EQ(hsp.find("<property id=\"font_color\">" + std::to_string(Colors::Red) + "</property>", type),
              hsp.find("<property id=\"font_color\">", type)) << hsp;
}
