// Client programs with the real program: the test client makes every request through the SDK
// across processes, and F5 runs an HSP script through the shipped run client and settings, the
// test driving the editor through the SDK as a client would.
#include <gtest/gtest.h>

#include <windows.h>

#include "resources/resource.h"
#include "sdk/TamborelSdk.h"
#include "support/ProgramFolder.h"
#include "support/ProgramRun.h"
#include "support/TestFiles.h"
#include "support/TestHspHome.h"

namespace {

// The test client (built beside the tests), or the shipped run client.
void Install(const ProgramFolder &folder, const std::string &name, const std::string &from) {
    CreateDirectoryA((folder.Path() + "client").c_str(), nullptr);
    TestFiles::CopyFolder(TestFiles::DistDirectory() + from, folder.Path() + "client\\" + name + "\\");
}

}

// The editor's own dialogs are answered as they come: Yes for message boxes, close for others.
TEST(ClientPrograms, TheTestClientMakesEveryRequestAcrossProcesses) {
    ProgramFolder folder;
    Install(folder, "probe", "..\\tests\\clients\\probe\\");
    folder.WriteCommon("", "<type id=\"exec\"><property id=\"*\"><property id=\"F5\" name=\"probe\" function=\"要求\"/>"
                           "</property></type>");
    ProgramRun run(folder.Path());
    HWND frame = run.WaitForMainWindow();
    ASSERT_NE(nullptr, frame);
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(IDM_CLIENT_F5, 0), 0);
    const std::string results = folder.Path() + "client\\probe\\results.txt";
    const DWORD start = GetTickCount();
    while (TestFiles::Read(results).find("done\r\n") == std::string::npos && GetTickCount() - start < 30000) {
        if (HWND dialog = run.WaitForWindow("#32770", nullptr, 100)) {
            char caption[64] = "";
            GetWindowTextA(dialog, caption, sizeof caption);
            ProgramRun::Press(dialog, std::string(caption) == "Tamborel" ? IDYES : IDCANCEL);
        }
    }
    const std::string outcome = TestFiles::Read(results);
    EXPECT_EQ(0u, outcome.find("passed 1")) << outcome;
    EXPECT_NE(std::string::npos, outcome.find("\r\ndone\r\n")) << outcome;
    EXPECT_EQ(std::string::npos, outcome.find("line ")) << outcome;
}

// A new user's settings bind F5 to the run client for HSP scripts: the script runs as the
// editor shows it, unsaved edits included.
TEST(ClientPrograms, F5RunsAnHspScriptWithTheShippedSettings) {
    ProgramFolder folder;
    TestHspHome home;
    Install(folder, "run", "client\\run\\");
    folder.WriteHsp("", home.SettingsEvent());
    const std::string script = folder.Path() + "work\\main.hsp";
    TestFiles::Write(script, "mes \"saved\"\r\n");
    ProgramRun run(folder.Path(), "\"" + script + "\"");
    HWND frame = run.WaitForMainWindow();
    ASSERT_NE(nullptr, frame);

    TamborelSdk::Client driver(TamborelSdk::Description{});
    ASSERT_TRUE(driver.Attach(frame));
    const std::string document = driver.FindDocument(script);
    ASSERT_EQ(driver.ActiveDocument(), document);
    driver.SetText(document, "#runtime \"hsp3mt\"\r\nmes \"edited\"\r\n");
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(IDM_CLIENT_F5, 0), 0);
    const std::vector<std::string> launches = home.WaitForLaunches("hsp3mt.exe", 1, 20000);
    ASSERT_EQ(1u, launches.size());
    EXPECT_NE(std::string::npos, launches[0].find(folder.Path() + "work\\obj")) << launches[0];
    EXPECT_TRUE(home.Launches("hsp3.exe").empty());
}
