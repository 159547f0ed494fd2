#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "support/ProgramFolder.h"
#include "support/ProgramRun.h"
#include "support/TestFiles.h"

namespace {

std::string LogLevel(int level) {
    return "<type id=\"tamborel\"><property id=\"log_level\">" + std::to_string(level) + "</property></type>";
}

std::string WindowText(HWND hwnd) {
    char text[512] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

int TabCount(HWND frame) {
    HWND tabs = FindWindowExA(frame, nullptr, "SysTabControl32", nullptr);
    return static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
}

}

// An empty command line opens nothing: one untitled document.
TEST(Startup, MainWindowAppearsAndClosingEndsWithCodeZero) {
    ProgramFolder folder;
    folder.WriteCommon(LogLevel('D'));
    ProgramRun run(folder.Path());
    HWND frame = run.WaitForMainWindow();
    ASSERT_NE(nullptr, frame);
    EXPECT_TRUE(IsWindowVisible(frame));
    EXPECT_EQ(1, TabCount(frame));
    EXPECT_EQ("<> - Tamborel", WindowText(frame));
    PostMessageA(frame, WM_CLOSE, 0, 0);
    DWORD code = 1234;
    ASSERT_TRUE(run.WaitForExit(20000, code));
    EXPECT_EQ(0u, code);

    const std::string log = folder.Log();
    EXPECT_NE(std::string::npos, log.find("(d) - Tamborel is starting up\r\n"));
    EXPECT_NE(std::string::npos, log.find("(d) - Tamborel is shutting down\r\n"));
}

// With log_level 87 ('W') the fatal line is written, with 65 ('A') nothing at all.
TEST(Startup, MissingEditComponentIsReportedAndEndsWithoutAWindow) {
    for (const int level : {'W', 'A'}) {
        ProgramFolder folder;
        folder.WriteCommon(LogLevel(level));
        const std::string library = folder.Path() + "library\\Vessary.dll";
        ASSERT_TRUE(DeleteFileA(library.c_str()));
        ProgramRun run(folder.Path());
        HWND box = run.WaitForMessageBox();
        ASSERT_NE(nullptr, box);
        EXPECT_EQ("VESSARY.DLL の読み込みに失敗しました。", ProgramRun::MessageText(box));
        EXPECT_FALSE(run.HasWindow("TamborelWindowClass"));
        ProgramRun::Press(box, IDOK);
        DWORD code = 1234;
        ASSERT_TRUE(run.WaitForExit(20000, code));
        EXPECT_EQ(0u, code);
        const std::string fatal = "(f) - couldn't load vessary library. err = 126, path =  \"" + library + "\"\r\n";
        const std::string log = folder.Log();
        if (level == 'W') {
            EXPECT_NE(std::string::npos, log.find(fatal)) << log;
            EXPECT_EQ(std::string::npos, log.find("(d) - ")) << log;
        } else {
            EXPECT_EQ("", log);
        }
    }
}

TEST(Startup, CommandLineFilesOpenInOrder) {
    ProgramFolder folder;
    const std::string scripts = folder.Path() + "my scripts\\";
    CreateDirectoryA(scripts.c_str(), nullptr);
    TestFiles::Write(scripts + "first file.hsp", "mes \"1\"\r\n");
    TestFiles::Write(scripts + "第二 ファイル.as", "mes \"あ\"\r\n");
    ProgramRun run(folder.Path(), "\"" + scripts + "first file.hsp\" \"" + scripts + "第二 ファイル.as\"");
    HWND frame = run.WaitForMainWindow();
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ(2, TabCount(frame));
    EXPECT_EQ("<第二 ファイル.as> - Tamborel", WindowText(frame));
    SendMessageA(frame, WM_COMMAND, MAKEWPARAM(40026, 0), 0);
    EXPECT_EQ("<first file.hsp> - Tamborel", WindowText(frame));
}
