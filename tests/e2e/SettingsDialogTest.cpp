// The settings dialog in the real program, as a user works it: a colour changed on a language
// page and OK recolour the open document at once, and the change is in the file after exit.
#include <gtest/gtest.h>

#include <windows.h>

#include "Scintilla.h"

#include "settings/SystemColor.h"
#include "settingsui/SettingsUiResources.h"
#include "resources/resource.h"
#include "support/ProgramFolder.h"
#include "support/ProgramRun.h"
#include "support/TestFiles.h"

namespace {

HWND found;
int wanted;

BOOL CALLBACK FindControl(HWND hwnd, LPARAM) {
    if (GetDlgCtrlID(hwnd) != wanted)
        return TRUE;
    found = hwnd;
    return FALSE;
}

// A control anywhere in the dialog, its pages included.
HWND Control(HWND dialog, int id) {
    found = nullptr;
    wanted = id;
    EnumChildWindows(dialog, FindControl, 0);
    return found;
}

// The text of type[element]property[font_color] in a section file.
std::string FontColor(const std::string &xml, const std::string &element) {
    const size_t type = xml.find("<type id=\"" + element + "\">");
    const size_t property = xml.find("<property id=\"font_color\">", type);
    if (type == std::string::npos || property == std::string::npos || property > xml.find("</type>", type))
        return "(none)";
    const size_t start = xml.find('>', property) + 1;
    return xml.substr(start, xml.find('<', start) - start);
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
    EXPECT_EQ(std::to_string(Colors::Red), FontColor(hsp, "number")) << hsp;
}
