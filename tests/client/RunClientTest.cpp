// The shipped run client against the test HSP installation: F5 compiles the script's current
// text and starts the runtime it names; a failed compile shows the compiler's report.
#include "ClientFixture.h"

#include <cstring>

#include "app/System.h"
#include "editor/Document.h"
#include "hsp/HspServices.h"
#include "resources/resource.h"
#include "settings/LexerHsp.h"
#include "settings/Setting.h"
#include "support/TestHspHome.h"

namespace {

class HomeDouble : public Subsystem, public HspServices {
public:
    bool HomeValid() const override { return true; }
    void ShowCompilerReport(HWND, const std::string &, const std::string &messages) override { reports.push_back(messages); }
    std::vector<std::string> reports;
};

class RunClient : public ClientTest {
protected:
    void SetUp() override {
        StartFrame({"run"});
        auto services = std::make_unique<HomeDouble>();
        home_ = services.get();
        frame->AddSubsystem(std::move(services));
        std::memcpy(previous_, Settings().homeDirectory, sizeof previous_);
        lstrcpynA(Settings().homeDirectory, installation.Path().c_str(), sizeof Settings().homeDirectory);
        Bind("hsp", 5, "run", "実行");
        Bind("hsp", 6, "run", "コンパイル");
    }
    void TearDown() override {
        ClientTest::TearDown();
        std::memcpy(Settings().homeDirectory, previous_, sizeof previous_);
    }
    static LexerHsp &Settings() { return System::Get().Settings().Hsp(); }
    bool Launched(const char *program, size_t count) const {
        return PumpUntil([&] { return installation.Launches(program).size() >= count; });
    }

    TestHspHome installation;
    HomeDouble *home_ = nullptr;
    char previous_[260] = "";
};

}

TEST_F(RunClient, F5RunsTheScriptAsItStandsInTheEditor) {
    OpenDocument("main.hsp", "mes \"saved\"\r\n");
    frame->Current()->SetText("#runtime \"hsp3mt\"\r\nmes \"edited\"\r\n");
    Command(IDM_CLIENT_F5);
    ASSERT_TRUE(Launched("hsp3mt.exe", 1));
    EXPECT_NE(std::string::npos, installation.Launches("hsp3mt.exe")[0].find("work\\obj\""));

    frame->Current()->InsertText(0, "mes \"open\r\n");
    Command(IDM_CLIENT_F5);
    ASSERT_TRUE(PumpUntil([&] { return !home_->reports.empty(); }));
    EXPECT_NE(std::string::npos, home_->reports[0].find("main.hsp(1) : error 2")) << home_->reports[0];
    EXPECT_EQ(1u, installation.Launches("hsp3mt.exe").size());
    EXPECT_TRUE(installation.Launches("hsp3.exe").empty());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(RunClient, CompilingAloneReportsSuccess) {
    OpenDocument("main.hsp");
    Command(IDM_CLIENT_F6);
    ASSERT_TRUE(PumpUntil([&] { return !desktop.messages.empty(); }));
    EXPECT_EQ("コンパイルに成功しました。", desktop.messages[0].text);
    EXPECT_TRUE(installation.Launches("hsp3.exe").empty());
}
