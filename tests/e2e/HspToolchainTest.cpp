#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "support/ProgramFolder.h"
#include "support/ProgramRun.h"
#include "support/TestFiles.h"
#include "support/TestHspHome.h"

namespace {

const std::string debugLog = "<type id=\"tamborel\"><property id=\"log_level\">68</property></type>";

std::string HomeEvent(bool prompt, const std::string &home) {
    return "<type id=\"open\"><property id=\"home_prompt\">" + std::string(prompt ? "yes" : "no") +
           "</property><property id=\"home_directory\">" + home + "</property></type>";
}

void Close(HWND dialog) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0); }

}

// Without the compiler the user is told and asked for the home; with the prompt on, the home
// dialog comes first and nothing is loaded or told before it.
TEST(HspToolchain, StartUpAsksForTheHomeWhenTheCompilerIsMissingOrThePromptIsOn) {
    TestHspHome home;
    DeleteFileA((home.Path() + "hspcmp.dll").c_str());
    for (const bool prompt : {false, true}) {
        ProgramFolder folder;
        folder.WriteCommon(debugLog);
        folder.WriteHsp("", HomeEvent(prompt, home.Path()));
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
        Close(dialog);
        HWND frame = run.WaitForMainWindow();
        ASSERT_NE(nullptr, frame);
        PostMessageA(frame, WM_CLOSE, 0, 0);
        DWORD code = 1;
        ASSERT_TRUE(run.WaitForExit(20000, code));
        const std::string warning = "(w) - couldn't find hsp compiler [" + home.Path() + "hspcmp.dll]\r\n";
        EXPECT_EQ(!prompt, folder.Log().find(warning) != std::string::npos) << folder.Log();
    }
}

// From the menu of the running program: a clean script gives start.ax and the success box and
// log line; one with an error opens the report.
TEST(HspToolchain, StartAxFromTheMenuCompilesOrReports) {
    TestHspHome home;
    ProgramFolder folder;
    folder.WriteCommon(debugLog);
    folder.WriteHsp("", home.SettingsEvent());
    const std::string scripts = TestFiles::MakeTempFolder("tamborel-e2e-hsp");
    TestFiles::Write(scripts + "good.hsp", "mes \"ok\"\r\n");
    TestFiles::Write(scripts + "bad.hsp", "mes 1\r\nmes 2\r\nmes \"bad\r\n");
    ProgramRun run(folder.Path(), "\"" + scripts + "bad.hsp\" \"" + scripts + "good.hsp\"");
    HWND frame = run.WaitForMainWindow();
    ASSERT_NE(nullptr, frame);
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(40061, 0), 0);
    HWND box = run.WaitForMessageBox();
    ASSERT_NE(nullptr, box);
    EXPECT_EQ("start.ax ファイルの作成に成功しました。", ProgramRun::MessageText(box));
    ProgramRun::Press(box, IDOK);
    EXPECT_TRUE(TestFiles::Exists(scripts + "start.ax"));

    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(40027, 0), 0);
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(40061, 0), 0);
    HWND report = run.WaitForWindow("#32770", "結果報告", 20000);
    ASSERT_NE(nullptr, report);
    char messages[2048] = "";
    GetDlgItemTextA(report, 1106, messages, sizeof messages);
    EXPECT_NE(nullptr, std::strstr(messages, "bad.hsp(3) : error 2"));
    Close(report);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    DWORD code = 1;
    ASSERT_TRUE(run.WaitForExit(20000, code));
    EXPECT_NE(std::string::npos, folder.Log().find("(i) - create start.ax file, succeeded.\r\n"));
    TestFiles::RemoveTree(scripts);
}
