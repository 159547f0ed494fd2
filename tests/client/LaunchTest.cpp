// Client programs the frame starts: the client menu and dialog, the keys F5 to F8 through the
// bindings, the start-up handshake and description exchange with their time limits, and
// shutdown. The clients are real processes of the test client, installed under telling names.
#include "ClientFixture.h"

#include "client/ClientCatalogue.h"
#include "client/ClientMemory.h"
#include "client/ClientResources.h"
#include "frame/CommandState.h"
#include "frame/MainMenuBar.h"
#include "resources/resource.h"
#include "sdk/TamborelProtocol.h"

namespace {

const char notFound[] = "クライアントアプリケーションが見つかりません。";
const char startFailed[] = "クライアントアプリケーション起動に失敗しました。";

std::string MenuText(HMENU menu, UINT id) {
    char text[256] = "";
    GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
    return text;
}

// What a modal client dialog showed, read while it runs, and the button then pressed.
struct DialogVisit {
    int press = IDCANCEL;
    std::string name, explanation, message;
    bool runEnabled = false;
};
DialogVisit *visit;

std::string ItemText(HWND dialog, int id) {
    char text[256] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

BOOL CALLBACK VisitDialog(HWND window, LPARAM) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770" || !IsWindowVisible(window))
        return TRUE;
    SendDlgItemMessageA(window, IDC_CLIENT_FUNCTIONS, CB_SETCURSEL, 2, 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_CLIENT_FUNCTIONS, CBN_SELCHANGE), 0);
    visit->name = ItemText(window, IDC_CLIENT_NAME);
    visit->explanation = ItemText(window, IDC_CLIENT_EXPLANATION);
    visit->message = ItemText(window, IDC_CLIENT_SDK_MESSAGE);
    visit->runEnabled = IsWindowEnabled(GetDlgItem(window, IDOK)) != FALSE;
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(visit->press, BN_CLICKED), 0);
    return FALSE;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!EnumThreadWindows(GetCurrentThreadId(), VisitDialog, 0))
        KillTimer(nullptr, timer);
}

class Launch : public ClientTest {
protected:
    // Shows a client's dialog, chooses its third function, then presses the button.
    DialogVisit Visit(UINT command, int press) {
        DialogVisit seen;
        seen.press = press;
        visit = &seen;
        SetTimer(nullptr, 0, 100, OnTimer);
        Command(command);
        return seen;
    }
    bool EventsAre(const std::string &client, const std::string &events) const {
        return PumpUntil([&] { return Events(client) == events; });
    }
    // Whether the blocks of a connection are gone from the system.
    bool Released(int id) const {
        HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, ("TamborelClientSdk." + std::to_string(id) + ".ClientToServer@" +
                                          std::to_string(static_cast<int>(reinterpret_cast<intptr_t>(frame->GetHandle())))).c_str());
        return !mapping || !CloseHandle(mapping);
    }
};

}

TEST_F(Launch, TheClientPopupListsTheClientsAndStaysGreyWithoutThem) {
    StartFrame({});
    EXPECT_TRUE(GetMenuState(frame->MenuBar().Handle(), MainMenuBar::Client, MF_BYPOSITION) & MF_GRAYED);
    frame.reset();
    StartFrame({"probe", "a&b"});
    EXPECT_FALSE(GetMenuState(frame->MenuBar().Handle(), MainMenuBar::Client, MF_BYPOSITION) & MF_GRAYED);
    const std::vector<std::string> names = frame->Find<ClientCatalogue>()->ClientNames();
    ASSERT_EQ(2u, names.size());
    for (UINT i = 0; i < 2; ++i)
        EXPECT_EQ(names[i] == "a&b" ? "a&&b" : names[i], MenuText(frame->MenuBar().Handle(), IDM_CLIENT_FIRST + i));
}

// The connection and its description stay for the next run; the catalogue shares them.
TEST_F(Launch, ABoundKeyStartsTheClientOnceAndRunsItEachTime) {
    StartFrame({"probe"});
    Bind("hsp", 5, "probe", "切断");
    Bind("hsp", 6, "probe", "記録");
    OpenDocument("main.HSP");
    frame->MenuState();
    EXPECT_EQ("probe - 記録\t[F6]", MenuText(frame->MenuBar().Handle(), IDM_CLIENT_F6));
    EXPECT_EQ("\t[F7]", MenuText(frame->MenuBar().Handle(), IDM_CLIENT_F7));
    Command(IDM_CLIENT_F6);
    Command(IDM_CLIENT_F6);
    Command(IDM_CLIENT_F7);
    EXPECT_EQ((std::vector<std::string>{"記録", "要求", "切断"}), frame->Find<ClientCatalogue>()->FunctionsOf("probe"));
    EXPECT_TRUE(EventsAre("probe", "connected\r\nrun 0\r\nrun 0\r\n"));
    EXPECT_EQ(1u, desktop.processes.size());

    // A client that disconnects itself is started again at the next press.
    Command(IDM_CLIENT_F5);
    EXPECT_TRUE(PumpUntil([&] { return !Clients().Memory(1); }));
    Command(IDM_CLIENT_F6);
    EXPECT_EQ(2u, desktop.processes.size());
    EXPECT_TRUE(EventsAre("probe", "connected\r\nrun 0\r\nrun 0\r\nrun 2\r\nconnected\r\nrun 0\r\n"));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Launch, TypesWithoutBindingsUseTheStarOnes) {
    StartFrame({"probe"});
    Bind("cpp", 5, "probe", "記録");
    OpenDocument("notes.txt");
    Command(IDM_CLIENT_F5);
    EXPECT_TRUE(desktop.processes.empty());
    Bind("*", 5, "nothing", "記録");
    Command(IDM_CLIENT_F5);
    EXPECT_EQ(std::vector<std::string>{notFound}, Messages());
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), desktop.messages[0].type);
    Bind("*", 5, "probe", "ない機能");
    Command(IDM_CLIENT_F5);
    EXPECT_TRUE(EventsAre("probe", "connected\r\nrun -1\r\n"));
}

// The run button runs the chosen function; a version other than the editor's disables it.
TEST_F(Launch, TheDialogShowsTheDescriptionAndChecksTheVersion) {
    StartFrame({"probe", "v2"});
    auto command = [&](const char *name) {
        return IDM_CLIENT_FIRST + static_cast<UINT>(Clients().IndexOf(name));
    };
    const DialogVisit probe = Visit(command("probe"), IDOK);
    EXPECT_EQ("Probe", probe.name);
    EXPECT_EQ("自分から切断します", probe.explanation);
    EXPECT_EQ("", probe.message);
    EXPECT_TRUE(probe.runEnabled);
    EXPECT_TRUE(EventsAre("probe", "connected\r\nrun 2\r\n"));

    const DialogVisit newer = Visit(command("v2"), IDCANCEL);
    EXPECT_EQ("ＳＤＫバージョン未対応 （Server.1 < Client.2）", newer.message);
    EXPECT_FALSE(newer.runEnabled);
    EXPECT_TRUE(EventsAre("v2", "connected\r\nconnected\r\n"));
    EXPECT_TRUE(Messages().empty());
}

// A client that never completes the handshake, or refuses it, is given up within the limit,
// ended, and its blocks released; the editor goes on answering.
TEST_F(Launch, FailedHandshakesReleaseEverything) {
    StartFrame({"silent", "zero", "quitter"});
    Clients().limits.handshake = 1500;
    for (const char *name : {"silent", "zero", "quitter"}) {
        desktop.messages.clear();
        Bind("*", 5, name, "記録");
        const DWORD start = GetTickCount();
        Command(IDM_CLIENT_F5);
        EXPECT_LT(GetTickCount() - start, 6000u) << name;
        EXPECT_EQ(std::vector<std::string>{startFailed}, Messages()) << name;
        EXPECT_TRUE(PumpUntil([&] { return Released(1); }, 5000)) << name;
    }
    DWORD_PTR result = 0;
    EXPECT_TRUE(SendMessageTimeoutA(frame->GetHandle(), WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result));
}

TEST_F(Launch, HostileDescriptionsAreBounded) {
    StartFrame({"flood", "hang"});
    Bind("*", 5, "flood", "記録");
    Command(IDM_CLIENT_F5);
    EXPECT_EQ(TamborelProtocol::BlockSize, Clients().Description(Clients().IndexOf("flood"))->name.size());
    EXPECT_TRUE(EventsAre("flood", "connected\r\nrun 0\r\n"));

    Bind("*", 5, "hang", "記録");
    const DWORD start = GetTickCount();
    Command(IDM_CLIENT_F5);
    EXPECT_LT(GetTickCount() - start, 6000u);
    EXPECT_EQ(std::vector<std::string>{"クライアントアプリケーションが応答しません。"}, Messages());
}

// Shutdown tells each client and waits for it; one that stays is given up after the limit.
TEST_F(Launch, ShutdownTellsTheClientsAndWaitsBounded) {
    StartFrame({"probe", "stubborn"});
    for (const char *name : {"probe", "stubborn"}) {
        Bind("*", 5, name, "記録");
        Command(IDM_CLIENT_F5);
    }
    ASSERT_TRUE(EventsAre("stubborn", "connected\r\nrun 0\r\n"));
    const DWORD start = GetTickCount();
    Clients().Shutdown();
    EXPECT_LT(GetTickCount() - start, 6000u);
    EXPECT_EQ("connected\r\nrun 0\r\nclosing\r\n", Events("probe"));
    EXPECT_TRUE(EventsAre("stubborn", "connected\r\nrun 0\r\nclosing\r\n"));
    EXPECT_EQ(std::vector<std::string>{"クライアントアプリケーションが終了しないため、待機を打ち切りました。"}, Messages());
    EXPECT_EQ(nullptr, Clients().Memory(1));
    EXPECT_EQ(nullptr, Clients().Memory(2));
}
