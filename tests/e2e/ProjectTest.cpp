// Projects in the real program: a project named on the command line opens with its startup file,
// and the project and the pane's width are saved when the program ends.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "resources/resource.h"
#include "support/ProgramFolder.h"
#include "support/ProgramRun.h"
#include "support/TestFiles.h"

namespace {

std::string WindowText(HWND hwnd) {
    char text[512] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

int Width(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return rect.right - rect.left;
}

bool Has(const std::string &text, const std::string &part) { return text.find(part) != std::string::npos; }

}

TEST(Project, CommandLineProjectOpensWithItsStartupFileAndIsSavedAtExit) {
    ProgramFolder folder;
    folder.WriteCommon("<type id=\"tamborel\"><property id=\"initial_subview_size_x\">210</property></type>");
    const std::string scripts = folder.Path() + "ゲーム\\";
    CreateDirectoryA(scripts.c_str(), nullptr);
    TestFiles::Write(scripts + "main.hsp", "mes 1\r\n");
    TestFiles::Write(scripts + "game.prj",
                     "<project><body><event><type id=\"initialize\"><property id=\"wake_up\">.\\main.hsp</property></type>"
                     "</event><style><holder name=\"game\" expand=\"no\"><file name=\"main.hsp\" path=\".\\main.hsp\"/>"
                     "</holder></style></body></project>");
    {
        ProgramRun run(folder.Path(), "\"" + scripts + "game.prj\"");
        HWND frame = run.WaitForMainWindow();
        ASSERT_NE(nullptr, frame);
        EXPECT_EQ("game <main.hsp> - Tamborel", WindowText(frame));
        HWND pane = FindWindowExA(frame, nullptr, "TamborelPFW", nullptr);
        ASSERT_NE(nullptr, pane);
        EXPECT_TRUE(IsWindowVisible(pane));
        EXPECT_EQ(210, Width(pane));
        HWND tree = FindWindowExA(pane, nullptr, WC_TREEVIEWA, nullptr);
        EXPECT_EQ(2, SendMessageA(tree, TVM_GETCOUNT, 0, 0));
        SendMessageA(frame, WM_COMMAND, MAKEWPARAM(IDM_PROJECT_EXPAND, 0), 0);
        PostMessageA(frame, WM_CLOSE, 0, 0);
        DWORD code = 1234;
        ASSERT_TRUE(run.WaitForExit(20000, code));
        EXPECT_EQ(0u, code);
    }
    EXPECT_TRUE(Has(TestFiles::Read(scripts + "game.prj"), "<holder name=\"game\" expand=\"yes\">"));
    EXPECT_TRUE(Has(TestFiles::Read(folder.Path() + "lexer\\_common.xml"), "<property id=\"initial_subview_size_x\">210</property>"));
}
