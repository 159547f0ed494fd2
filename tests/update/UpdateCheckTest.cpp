// The update check against a real HTTP server on 127.0.0.1: the request it makes, what each
// answer tells the user, and the bounds that keep a bad server from holding the editor.
#include "LocalHttpServer.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "app/System.h"
#include "log/Logger.h"
#include "support/ChildMode.h"
#include "support/ScriptedDesktop.h"
#include "support/TestData.h"
#include "support/TestFiles.h"
#include "update/UpdateCheck.h"
#include "update/UpdateServer.h"

namespace {

const char question[] = "更新があります。\r\nダウンロードページを開きますか？";
const char failure[] = "更新確認中にエラーが発生しました。";
const DWORD timeoutMs = 1500;

UpdateServer At(unsigned short port) {
    return {"127.0.0.1", port, "Corvanis/check_update.do", "http://127.0.0.1/download/", timeoutMs, timeoutMs};
}

// Runs the check; the seconds it took.
double Check(unsigned short port, const std::string &version = "1, 2, 3, 4") {
    const auto start = std::chrono::steady_clock::now();
    UpdateCheck::Run(nullptr, version, At(port));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The huge answer's check, in a fresh process whose peak memory tells what it set aside.
size_t PeakMemory() {
    PROCESS_MEMORY_COUNTERS counters{sizeof counters};
    return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters) ? counters.PeakWorkingSetSize : 0;
}

int CheckHugeAnswer(int argc, char **argv) {
    ScriptedDesktop desktop;
    const size_t before = PeakMemory();
    UpdateCheck::Run(nullptr, "1, 0", At(static_cast<unsigned short>(argc > 0 ? std::atoi(argv[0]) : 0)));
    if (desktop.messages.size() != 1 || desktop.messages[0].text != failure)
        return 1;
    return PeakMemory() - before < (256u << 20) ? 0 : 2;
}

const ChildMode::Registration hugeAnswer("--update-huge-answer", CheckHugeAnswer);

class UpdateCheckTest : public ::testing::Test {
protected:
    std::string Told() const { return desktop.messages.empty() ? "(nothing)" : desktop.messages.back().text; }

    ScriptedDesktop desktop;
};

}

// Each request: a POST of the version with full stops for commas and no spaces.
TEST_F(UpdateCheckTest, EachAnswerTellsTheUserWhatItMeans) {
    const auto cases = TestData::Lines("ANSWERS");
    ASSERT_FALSE(cases.empty());
    for (const std::string &line : cases) {
        const auto fields = TestData::Fields(line);
        ASSERT_EQ(2u, fields.size()) << line;
        desktop.messages.clear();
        desktop.launches.clear();
        desktop.answers = {IDYES};
        LocalHttpServer server(fields[0]);
        Check(server.Port());
        EXPECT_EQ("ver=1.2.3.4", server.Body());
        EXPECT_EQ(0u, server.Head().find("POST /Corvanis/check_update.do HTTP/1.")) << server.Head();
        EXPECT_NE(std::string::npos, server.Head().find("\r\nContent-Type: application/x-www-form-urlencoded"));
        EXPECT_EQ(fields[1] == "yes" ? question : fields[1] == "no" ? "更新はありません。" : failure, Told()) << line;
        ASSERT_EQ(1u, desktop.messages.size()) << line;
        EXPECT_EQ("Tamborel", desktop.messages[0].caption);
        // Yes to the question opens the download page.
        EXPECT_EQ(fields[1] == "yes" ? 1u : 0u, desktop.launches.size()) << line;
    }
}

TEST_F(UpdateCheckTest, AHugeContentLengthIsRefusedWithoutSettingItsSizeAside) {
    LocalHttpServer server("HTTP/1.1 200 OK\r\nContent-Length: 2147483648\r\n\r\nyes");
    KernelHandle child = ChildMode::Start("--update-huge-answer", std::to_string(server.Port()));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(child.Get(), 30000));
    DWORD code = 3;
    GetExitCodeProcess(child.Get(), &code);
    EXPECT_EQ(0u, code) << "1: wrong message, 2: the announced length was allocated";
}

TEST_F(UpdateCheckTest, NoServerIsAnErrorAtOnceAndIsLogged) {
    Logger &logger = System::Get().GetLogger();
    const unsigned short level = logger.level;
    logger.level = Logger::LevelOfSetting('E');
    EXPECT_LT(Check(LocalHttpServer::FreePort()), timeoutMs / 1000.0);
    logger.level = level;
    EXPECT_EQ(failure, Told());
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), desktop.messages.back().type);
    const std::string log = TestFiles::Read(TestFiles::ProgramFolder() + "log\\Tamborel1.log");
    EXPECT_NE(std::string::npos, log.find("program-update-check error. error code is '")) << log;
}

TEST_F(UpdateCheckTest, ASilentServerIsGivenUpAfterTheTimeLimit) {
    LocalHttpServer server("");
    const double seconds = Check(server.Port());
    EXPECT_EQ(failure, Told());
    EXPECT_GE(seconds, timeoutMs / 1000.0 * 0.8);
    EXPECT_LT(seconds, timeoutMs / 1000.0 + 3);
}
