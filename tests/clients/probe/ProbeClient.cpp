// The test client: installed as client\<name>\client.exe, it behaves as its folder's name says.
// Any name but these is a well-behaved SDK client: "silent" never writes its window into the
// handshake, "zero" writes 0 there, "quitter" ends before it; "flood" answers its name with the
// whole block and no terminator, "hang" stops answering at the first question; "stubborn" does
// not end when the editor closes; "v2" and "v0" report those SDK versions. What it hears goes
// to events.txt beside it; its function "要求" runs requests.txt from beside it into results.txt.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "clients/probe/RequestCases.h"
#include "sdk/TamborelSdk.h"

namespace {

// However a test ends, no probe outlives it for long.
const INT_PTR lifetime = 60000, stubbornness = 8000;
const DWORD hangTime = 10000;

DWORD WINAPI EndAfter(void *milliseconds) {
    Sleep(static_cast<DWORD>(reinterpret_cast<INT_PTR>(milliseconds)));
    ExitProcess(9);
}
void EndLater(INT_PTR milliseconds) { CreateThread(nullptr, 0, EndAfter, reinterpret_cast<void *>(milliseconds), 0, nullptr); }

std::string Folder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string file = path;
    return file.substr(0, file.find_last_of('\\') + 1);
}

std::string Mode() {
    const std::string folder = Folder();
    const size_t start = folder.find_last_of('\\', folder.size() - 2) + 1;
    return folder.substr(start, folder.size() - 1 - start);
}

void Note(const std::string &line) { std::ofstream(Folder() + "events.txt", std::ios::app | std::ios::binary) << line << "\r\n"; }

TamborelSdk::Description Describe(const std::string &mode) {
    TamborelSdk::Description description;
    description.name = "Probe";
    description.version = "2.5";
    description.author = "Tamborel tests";
    description.description = "要求をすべて試すクライアント";
    description.functions = {{"記録", "実行を記録します"}, {"要求", "要求の一覧を試します"}, {"切断", "自分から切断します"}};
    description.sdkVersion = mode == "v2" ? 2 : mode == "v0" ? 0 : 1;
    return description;
}

class Probe : public TamborelSdk::Client {
public:
    explicit Probe(const std::string &mode) : Client(Describe(mode)), mode_(mode) {}

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
    void OnClosing() override {
        Note("closing");
        if (mode_ == "stubborn")
            EndLater(stubbornness);
        else
            Quit(0);
    }

private:
    void RunCases() {
        std::stringstream cases;
        cases << std::ifstream(Folder() + "requests.txt", std::ios::binary).rdbuf();
        const RequestCases::Outcome outcome = RequestCases::Run(*this, cases.str());
        std::ofstream out(Folder() + "results.txt", std::ios::binary | std::ios::trunc);
        out << "passed " << outcome.passed << "\r\n";
        for (const std::string &failure : outcome.failures)
            out << failure << "\r\n";
        out << "done\r\n";
    }

    std::string mode_;
};

// The client-to-server block, opened around the SDK by the hostile modes.
unsigned char *RawBlock(const char *commandLine) {
    int id = 0, editor = 0;
    if (std::sscanf(commandLine, "%d.%d;", &id, &editor) != 2)
        return nullptr;
    char name[TamborelProtocol::NameSize];
    std::snprintf(name, sizeof name, TamborelProtocol::ClientToServerName, id, editor);
    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name);
    return mapping ? static_cast<unsigned char *>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, TamborelProtocol::BlockSize)) : nullptr;
}

unsigned char *floodBlock;
WNDPROC sdkProcedure;

LRESULT CALLBACK HostileProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TamborelProtocol::ToClient::AskName) {
        if (!floodBlock) {
            Sleep(hangTime);
        } else {
            std::memset(floodBlock, 'A', TamborelProtocol::BlockSize);
            return 1;
        }
    }
    return CallWindowProcA(sdkProcedure, window, message, wParam, lParam);
}

}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    EndLater(lifetime);
    const std::string mode = Mode();
    const char *commandLine = GetCommandLineA();
    if (mode == "quitter")
        return 3;
    if (mode == "silent" || mode == "zero") {
        if (unsigned char *block = mode == "zero" ? RawBlock(commandLine) : nullptr)
            std::memcpy(block, "0", 2);
        Sleep(INFINITE);
    }
    Probe probe(mode);
    if (!probe.ConnectStarted(commandLine))
        return 2;
    if (mode == "flood" || mode == "hang") {
        floodBlock = mode == "flood" ? RawBlock(commandLine) : nullptr;
        sdkProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(probe.Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HostileProcedure)));
    }
    return probe.Run();
}
