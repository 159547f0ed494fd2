#include <gtest/gtest.h>

#include <windows.h>

#include "support/ProgramFolder.h"
#include "support/ProgramRun.h"
#include "support/TestFiles.h"
#include "support/TestHspHome.h"

namespace {

const std::string debugLog = "<type id=\"tamborel\"><property id=\"log_level\">68</property></type>";

}

// Without the compiler the user is told and asked for the home; with the prompt on, the home
// dialog comes first and nothing is loaded or told before it.
TEST(HspToolchain, StartUpAsksForTheHomeWhenTheCompilerIsMissingOrThePromptIsOn) {
    TestHspHome home;
    DeleteFileA((home.Path() + "hspcmp.dll").c_str());
    for (const bool prompt : {false, true}) {
        ProgramFolder folder;
        folder.WriteCommon(debugLog);
        std::string event = home.SettingsEvent();
        folder.WriteHsp("", prompt ? event.replace(event.find(">no<"), 4, ">yes<") : event);
        ProgramRun run(folder.Path());
        if (!prompt) {
            HWND box = run.WaitForMessageBox();
            ASSERT_NE(nullptr, box);
            EXPECT_EQ("ＨＳＰコンパイラが見つかりません。", ProgramRun::MessageText(box));
            ProgramRun::Press(box, IDOK);
        }
        HWND dialog = run.WaitForWindow("#32770", "ワークスペース設定", 20000);
        ASSERT_NE(nullptr, dialog);
        // The main window is shown only once the home is settled.
        EXPECT_EQ(nullptr, run.WaitForWindow("TamborelWindowClass", nullptr, 0));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
        HWND frame = run.WaitForMainWindow();
        ASSERT_NE(nullptr, frame);
        PostMessageA(frame, WM_CLOSE, 0, 0);
        DWORD code = 1;
        ASSERT_TRUE(run.WaitForExit(20000, code));
        const std::string warning = "(w) - couldn't find hsp compiler [" + home.Path() + "hspcmp.dll]\r\n";
        EXPECT_EQ(!prompt, folder.Log().find(warning) != std::string::npos) << folder.Log();
    }
}

// From the menu of the running program: start.ax, the success box and the log line.
TEST(HspToolchain, StartAxFromTheMenuCompilesTheScript) {
    TestHspHome home;
    ProgramFolder folder;
    folder.WriteCommon(debugLog);
    folder.WriteHsp("", home.SettingsEvent());
    TestFiles::Write(folder.Path() + "good.hsp", "mes \"ok\"\r\n");
    ProgramRun run(folder.Path(), "\"" + folder.Path() + "good.hsp\"");
    HWND frame = run.WaitForMainWindow();
    ASSERT_NE(nullptr, frame);
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(40061, 0), 0);
    HWND box = run.WaitForMessageBox();
    ASSERT_NE(nullptr, box);
    EXPECT_EQ("start.ax ファイルの作成に成功しました。", ProgramRun::MessageText(box));
    ProgramRun::Press(box, IDOK);
    EXPECT_TRUE(TestFiles::Exists(folder.Path() + "start.ax"));
    PostMessageA(frame, WM_CLOSE, 0, 0);
    DWORD code = 1;
    ASSERT_TRUE(run.WaitForExit(20000, code));
    EXPECT_NE(std::string::npos, folder.Log().find("(i) - create start.ax file, succeeded.\r\n"));
}
