// The built Tamborel.exe driven from outside: definition reference and back across a script and
// the file it includes, then the jump dialog on its label tab.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "Scintilla.h"

#include "support/ProgramFolder.h"
#include "support/ProgramRun.h"
#include "support/TestFiles.h"

namespace {

std::string WindowText(HWND hwnd) {
    char text[512] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

struct Wanted {
    const char *className;
    int id;
    HWND found;
};

// The first visible child window of the class (and id, unless 0).
BOOL CALLBACK FindShown(HWND hwnd, LPARAM wanted) {
    auto &w = *reinterpret_cast<Wanted *>(wanted);
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof name);
    if (std::string(name) != w.className || !IsWindowVisible(hwnd) || (w.id && GetDlgCtrlID(hwnd) != w.id))
        return TRUE;
    w.found = hwnd;
    return FALSE;
}

HWND Shown(HWND parent, const char *className, int id = 0) {
    Wanted wanted{className, id, nullptr};
    EnumChildWindows(parent, FindShown, reinterpret_cast<LPARAM>(&wanted));
    return wanted.found;
}

// The edit view shown in the frame.
HWND Editor(HWND frame) { return Shown(FindWindowExA(frame, nullptr, "SysTabControl32", nullptr), "Scintilla"); }

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0) { return SendMessageA(hwnd, message, wParam, 0); }

}

TEST(Navigation, ReferenceAndBackAcrossAnIncludeThenTheLabelList) {
    ProgramFolder folder;
    const std::string scripts = folder.Path() + "スクリプト\\";
    CreateDirectoryA(scripts.c_str(), nullptr);
    const std::string main = "; メイン\r\n#include \"道具.as\"\r\n*開始\r\n\t初期化 1\r\n\tgoto *開始\r\n";
    TestFiles::Write(scripts + "main.hsp", main);
    TestFiles::Write(scripts + "道具.as", "; 道具\r\n#deffunc 初期化 int a\r\n\treturn\r\n");
    ProgramRun run(folder.Path(), "\"" + scripts + "main.hsp\"");
    HWND frame = run.WaitForMainWindow();
    ASSERT_NE(nullptr, frame);

    const WPARAM call = main.find("初期化") + 2;
    Send(Editor(frame), SCI_GOTOPOS, call);
    Send(frame, WM_COMMAND, 40050);
    EXPECT_EQ("<道具.as> - Tamborel", WindowText(frame));
    const LRESULT name = static_cast<LRESULT>(std::string("; 道具\r\n#deffunc ").size());
    EXPECT_EQ(name, Send(Editor(frame), SCI_GETSELECTIONSTART));
    EXPECT_EQ(name + 6, Send(Editor(frame), SCI_GETSELECTIONEND));

    Send(frame, WM_COMMAND, 40079);
    EXPECT_EQ("<main.hsp> - Tamborel", WindowText(frame));
    EXPECT_EQ(static_cast<LRESULT>(call - 2), Send(Editor(frame), SCI_GETSELECTIONSTART));

    Send(frame, WM_COMMAND, 40003);
    HWND dialog = run.WaitForWindow("#32770", "指定場所へ移動", 10000);
    ASSERT_NE(nullptr, dialog);
    HWND tabs = FindWindowExA(dialog, nullptr, "SysTabControl32", nullptr);
    EXPECT_EQ(5, Send(tabs, TCM_GETITEMCOUNT));
    EXPECT_EQ(2, Send(tabs, TCM_GETCURSEL));
    HWND list = Shown(dialog, "SysListView32", 1108);
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(1, Send(list, LVM_GETITEMCOUNT));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindow(dialog));

    PostMessageA(frame, WM_CLOSE, 0, 0);
    DWORD code = 1234;
    ASSERT_TRUE(run.WaitForExit(20000, code));
    EXPECT_EQ(0u, code);
}
