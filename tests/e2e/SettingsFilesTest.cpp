#include <gtest/gtest.h>

#include <windows.h>

#include "support/ProgramFolder.h"
#include "support/ProgramRun.h"
#include "support/TestFiles.h"

// Start-up with an empty lexer\ folder: the sections the program reads are created from their
// templates; closing writes back only the one it changed (the window placement is common).
TEST(SettingsFiles, SectionsReadAreCreatedAndOnlyChangedOnesAreWrittenAtExit) {
    ProgramFolder folder(true);
    const std::string lexer = folder.Path() + "lexer\\";
    ASSERT_FALSE(TestFiles::Exists(lexer + "_common.xml"));
    ASSERT_FALSE(TestFiles::Exists(lexer + "hsp.xml"));

    ProgramRun run(folder.Path());
    // With no settings yet, the first start asks for the HSP home.
    HWND home = run.WaitForWindow("#32770", "ワークスペース設定", 20000);
    ASSERT_NE(nullptr, home);
    PostMessageA(home, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    HWND frame = run.WaitForMainWindow();
    ASSERT_NE(nullptr, frame);
    EXPECT_TRUE(TestFiles::Exists(lexer + "_common.xml"));
    EXPECT_TRUE(TestFiles::Exists(lexer + "hsp.xml"));
    EXPECT_FALSE(TestFiles::Exists(lexer + "cpp.xml"));
    const std::string hspTemplate = TestFiles::Read(folder.Path() + "template\\lexer.xml");
    EXPECT_EQ(hspTemplate, TestFiles::Read(lexer + "hsp.xml"));

    ShowWindow(frame, SW_RESTORE);
    MoveWindow(frame, 40, 30, 700, 500, TRUE);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    DWORD code = 1;
    ASSERT_TRUE(run.WaitForExit(20000, code));
    EXPECT_EQ(0u, code);

    const std::string common = TestFiles::Read(lexer + "_common.xml");
    EXPECT_NE(std::string::npos, common.find("<property id=\"initial_window_size_x\">700</property>")) << common;
    EXPECT_NE(std::string::npos, common.find("<property id=\"initial_window_position_y\">30</property>")) << common;
    EXPECT_EQ(hspTemplate, TestFiles::Read(lexer + "hsp.xml"));
    EXPECT_FALSE(TestFiles::Exists(lexer + "cpp.xml"));
}
