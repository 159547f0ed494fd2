// The shipped run client against the test HSP installation: F5 compiles the script's current
// text and starts the runtime it names; a failed compile shows the compiler's report.
#include "ClientFixture.h"

#include <string>

#include "app/System.h"
#include "editor/Document.h"
#include "resources/resource.h"
#include "settings/LexerHsp.h"
#include "settings/Setting.h"
#include "support/TestHspHome.h"

TEST_F(ClientTest, TheRunClientRunsTheScriptAsItStandsInTheEditor) {
    TestHspHome installation;
    char *home = System::Get().Settings().Hsp().homeDirectory;
    const std::string previous = home;
    lstrcpynA(home, installation.Path().c_str(), 260);
    StartFrame({"run"});
    const HspDouble &hsp = AddHspDouble(true);
    Bind("hsp", 5, "run", "実行");
    OpenDocument("main.hsp", "mes \"saved\"\r\n");
    frame->Current()->SetText("#runtime \"hsp3mt\"\r\nmes \"edited\"\r\n");
    Command(IDM_CLIENT_F5);
    ASSERT_TRUE(PumpUntil([&] { return !installation.Launches("hsp3mt.exe").empty(); }));
    EXPECT_NE(std::string::npos, installation.Launches("hsp3mt.exe")[0].find("work\\obj\""));

    frame->Current()->InsertText(0, "mes \"open\r\n");
    Command(IDM_CLIENT_F5);
    ASSERT_TRUE(PumpUntil([&] { return !hsp.reports.empty(); }));
    EXPECT_NE(std::string::npos, hsp.reports[0].find("main.hsp(1) : error 2")) << hsp.reports[0];
    EXPECT_EQ(1u, installation.Launches("hsp3mt.exe").size());
    EXPECT_TRUE(installation.Launches("hsp3.exe").empty());
    EXPECT_TRUE(Messages().empty());
    lstrcpynA(home, previous.c_str(), 260);
}
