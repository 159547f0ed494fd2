#include <gtest/gtest.h>

#include "support/ProgramFolder.h"
#include "support/ProgramRun.h"
#include "support/TestFiles.h"

// The common section is read before the logger knows its level; its warning must still reach
// the log, at the default level (warning) that a broken file leaves.
TEST(StartupLog, ABrokenCommonSectionIsReportedInTheLog) {
    ProgramFolder folder;
    const std::string common = folder.Path() + "lexer\\_common.xml";
    TestFiles::Write(common, "<body><style><type id=\"tamborel\">");
    ProgramRun run(folder.Path());
    HWND frame = run.WaitForMainWindow();
    ASSERT_NE(nullptr, frame);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    DWORD code = 1;
    ASSERT_TRUE(run.WaitForExit(20000, code));
    EXPECT_NE(std::string::npos, folder.Log().find("(w) - couldn't read setting file, defaults are used. [" + common + "]\r\n"))
        << folder.Log();
}
