#include "ClientFixture.h"

#include "app/System.h"
#include "app/Tamborel.h"
#include "client/ClientCommands.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"
#include "support/EditControl.h"
#include "support/TestFiles.h"

namespace {

std::string ClientFolder() { return TestFiles::ProgramFolder() + "client\\"; }

}

std::string ClientTest::TestClientFolder() { return TestFiles::DistDirectory() + "..\\tests\\clients\\probe\\"; }

void ClientTest::StartFrame(const std::vector<std::string> &clients) {
    TestFiles::RemoveTree(ClientFolder());
    CreateDirectoryA(ClientFolder().c_str(), nullptr);
    // "run" is the shipped run client, any other name the test client.
    for (const std::string &name : clients)
        TestFiles::CopyFolder(name == "run" ? TestFiles::DistDirectory() + "client\\run\\" : TestClientFolder(),
                              ClientFolder() + name + "\\");
    System::Get().Settings().Common().clientBindings.clear();
    desktop.startProcesses = true;
    EditControl::Library();
    Tamborel::RegisterMainWindowClass(GetModuleHandleA(nullptr));
    frame = std::make_unique<MainFrameWindow>();
    ASSERT_TRUE(frame->Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr, nullptr,
                              GetModuleHandleA(nullptr), frame.get()));
    Clients().limits = {8000, 1500, 1500};
}

void ClientTest::TearDown() {
    if (frame)
        Clients().Shutdown();
    frame.reset();
    PumpUntil([] { return false; }, 50);
    TestFiles::RemoveTree(ClientFolder());
    System::Get().Settings().Common().clientBindings.clear();
}

TamborelClient &ClientTest::Clients() const { return frame->Find<ClientCommands>()->Clients(); }

HspDouble &ClientTest::AddHspDouble(bool homeValid) const {
    auto services = std::make_unique<HspDouble>(homeValid);
    HspDouble &added = *services;
    frame->AddSubsystem(std::move(services));
    return added;
}

void ClientTest::Bind(const std::string &type, int key, const std::string &client, const std::string &function) const {
    System::Get().Settings().Common().clientBindings[type][static_cast<size_t>(key - 5)] = {client, function};
}

void ClientTest::OpenDocument(const std::string &name, const std::string &bytes) const {
    const std::string path = TestFiles::ProgramFolder() + "work\\" + name;
    TestFiles::Write(path, bytes);
    ASSERT_TRUE(frame->Open(path.c_str()));
}

void ClientTest::Command(UINT id) const { SendMessageA(frame->GetHandle(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

std::string ClientTest::Events(const std::string &client) { return TestFiles::Read(ClientFolder() + client + "\\events.txt"); }

bool ClientTest::PumpUntil(const std::function<bool()> &condition, DWORD timeout) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (condition())
            return true;
        if (GetTickCount() - start >= timeout)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

std::vector<std::string> ClientTest::Messages() const {
    std::vector<std::string> texts;
    for (const ScriptedDesktop::Message &message : desktop.messages)
        texts.push_back(message.text);
    return texts;
}
