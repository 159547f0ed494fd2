// The test client: installed as client\<name>\client.exe, it behaves as its folder's name says,
// from a well-behaved SDK client ("probe", any unlisted name) to the ways a client can fail the
// editor. What it hears goes to events.txt beside it; its "要求" function runs requests.txt from
// beside it and writes results.txt.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "clients/probe/RequestCases.h"
#include "sdk/TamborelSdk.h"

namespace {

enum class Mode { Normal, Silent, Zero, Quitter, Flood, Hang, Stubborn, Version2, Version0 };

const struct {
    const char *folder;
    Mode mode;
} modes[] = {
    {"silent", Mode::Silent},     // never writes its window into the handshake
    {"zero", Mode::Zero},         // writes 0 as its window
    {"quitter", Mode::Quitter},   // ends before the handshake
    {"flood", Mode::Flood},       // fills the whole block, without terminator, as its name
    {"hang", Mode::Hang},         // stops answering at the first question
    {"stubborn", Mode::Stubborn}, // does not end when the editor closes
    {"v2", Mode::Version2},       // reports SDK version 2
    {"v0", Mode::Version0},       // reports SDK version 0
};

// However a test ends, no probe outlives it for long.
const DWORD lifetime = 60000;
const DWORD stubbornness = 8000;
const DWORD hangTime = 10000;

DWORD WINAPI EndAfter(void *milliseconds) {
    Sleep(static_cast<DWORD>(reinterpret_cast<INT_PTR>(milliseconds)));
    ExitProcess(9);
}

std::string Folder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

Mode ModeOf(const std::string &folder) {
    const std::string name = folder.substr(folder.find_last_of('\\', folder.size() - 2) + 1, std::string::npos);
    for (const auto &entry : modes)
        if (name == std::string(entry.folder) + "\\")
            return entry.mode;
    return Mode::Normal;
}

void Note(const std::string &line) {
    std::ofstream(Folder() + "events.txt", std::ios::app | std::ios::binary) << line << "\r\n";
}

TamborelSdk::Description Describe(Mode mode) {
    TamborelSdk::Description description;
    description.name = "Probe";
    description.version = "2.5";
    description.author = "Tamborel tests";
    description.description = "要求をすべて試すクライアント";
    description.copyright = "(c) Tamborel tests";
    description.url = "http://127.0.0.1/probe";
    description.mail = "probe@127.0.0.1";
    description.functions = {{"記録", "実行を記録します"}, {"要求", "要求の一覧を試します"}, {"切断", "自分から切断します"}};
    description.sdkVersion = mode == Mode::Version2 ? 2 : mode == Mode::Version0 ? 0 : 1;
    return description;
}

class Probe : public TamborelSdk::Client {
public:
    explicit Probe(Mode mode) : Client(Describe(mode)), mode_(mode) {}

    void OnRun(int function) override {
        Note("run " + std::to_string(function));
        if (function == 1)
            RunCases();
        if (function == 2) {
            Disconnect();
            Quit(0);
        }
    }
    void OnConnected() override { Note("connected"); }
    // A stubborn probe outlives the editor's patience, then ends by itself.
    void OnClosing() override {
        Note("closing");
        if (mode_ == Mode::Stubborn)
            CreateThread(nullptr, 0, EndAfter, reinterpret_cast<void *>(static_cast<INT_PTR>(stubbornness)), 0, nullptr);
        else
            Quit(0);
    }

private:
    void RunCases() {
        std::ifstream in(Folder() + "requests.txt", std::ios::binary);
        std::stringstream cases;
        cases << in.rdbuf();
        const RequestCases::Outcome outcome = RequestCases::Run(*this, cases.str());
        std::ofstream out(Folder() + "results.txt", std::ios::binary | std::ios::trunc);
        out << "passed " << outcome.passed << "\r\n";
        for (const std::string &failure : outcome.failures)
            out << failure << "\r\n";
        out << "done\r\n";
    }

    Mode mode_;
};

// The hostile modes that speak to the blocks directly, around the SDK.
struct RawBlock {
    HANDLE mapping = nullptr;
    unsigned char *view = nullptr;
    explicit RawBlock(const char *commandLine) {
        int id = 0;
        int editor = 0;
        if (std::sscanf(commandLine, "%d.%d;", &id, &editor) != 2)
            return;
        char name[TamborelProtocol::NameSize];
        std::snprintf(name, sizeof name, TamborelProtocol::ClientToServerName, id, editor);
        mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name);
        if (mapping)
            view = static_cast<unsigned char *>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, TamborelProtocol::BlockSize));
    }
};

RawBlock *floodBlock;
WNDPROC sdkProcedure;

LRESULT CALLBACK HostileProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TamborelProtocol::ToClient::AskName && floodBlock && floodBlock->view) {
        std::memset(floodBlock->view, 'A', TamborelProtocol::BlockSize);
        return 1;
    }
    if (message == TamborelProtocol::ToClient::AskName && !floodBlock)
        Sleep(hangTime);
    return CallWindowProcA(sdkProcedure, window, message, wParam, lParam);
}

}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CreateThread(nullptr, 0, EndAfter, reinterpret_cast<void *>(static_cast<INT_PTR>(lifetime)), 0, nullptr);
    const Mode mode = ModeOf(Folder());
    const char *commandLine = GetCommandLineA();
    switch (mode) {
    case Mode::Quitter: return 3;
    case Mode::Silent: Sleep(INFINITE); return 0;
    case Mode::Zero: {
        RawBlock block(commandLine);
        if (block.view)
            std::memcpy(block.view, "0", 2);
        Sleep(INFINITE);
        return 0;
    }
    default: break;
    }
    Probe probe(mode);
    if (!probe.ConnectStarted(commandLine))
        return 2;
    if (mode == Mode::Flood || mode == Mode::Hang) {
        static RawBlock block(commandLine);
        floodBlock = mode == Mode::Flood ? &block : nullptr;
        sdkProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(probe.Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HostileProcedure)));
    }
    return probe.Run();
}
