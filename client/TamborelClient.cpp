#include "client/TamborelClient.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "app/Report.h"
#include "app/System.h"
#include "client/ClientMemory.h"
#include "client/ClientWire.h"
#include "frame/Workbench.h"
#include "framework/Desktop.h"
#include "framework/FileSearch.h"
#include "framework/KernelHandle.h"
#include "framework/ProgramDirectory.h"
#include "log/Logger.h"
#include "sdk/TamborelProtocol.h"

using TamborelProtocol::BlockSize;
namespace Codes = TamborelProtocol::ToEditor;
namespace ToClient = TamborelProtocol::ToClient;

struct TamborelClient::Connection {
    int id = 0;
    ClientMemory memory;
    // Of a client the editor started; empty for attached and debugging clients.
    KernelHandle process;
    KernelHandle thread;
    DWORD processId = 0;
    DWORD threadId = 0;
    std::string program;
    HWND editor = nullptr;
    HWND window = nullptr;
    // The configured client it serves; -1 for attached and debugging clients.
    int binding = -1;
    // How far the last answer reached into the server-to-client block: what must be cleared
    // before the next one, instead of the whole block at every request.
    size_t answerExtent = 0;
};

namespace {

const DWORD pollPeriod = 100;

Logger &Log() { return System::Get().GetLogger(); }

bool IsFile(const std::string &path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Running(const KernelHandle &process) {
    return process.Valid() && WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT;
}

std::string ClientDirectory() { return std::string(ProgramDirectory()) + "client\\"; }

int HandleNumber(HWND window) { return static_cast<int>(reinterpret_cast<intptr_t>(window)); }

// Sleeps up to a poll period, or until the process ends, answering the messages other programs
// send the editor meanwhile: a client that asks the editor something while it is being waited
// for would otherwise wait for the editor in turn.
void Pause(HANDLE process) {
    const DWORD count = process ? 1 : 0;
    MsgWaitForMultipleObjects(count, process ? &process : nullptr, FALSE, pollPeriod, QS_SENDMESSAGE);
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

// The answer block holds at most its size less the terminator.
size_t WriteAnswer(unsigned char *block, const std::string &answer) { return ClientWire::PutText(block, BlockSize, answer); }

// The nine questions of the description exchange, in the order they are asked.
struct Question {
    unsigned message;
    void (*store)(ClientDescription &description, std::string &answer);
};
const Question questions[] = {
    {ToClient::AskName, [](ClientDescription &d, std::string &a) { d.name.swap(a); }},
    {ToClient::AskSdkVersion, [](ClientDescription &d, std::string &a) {
         const long long version = ClientWire::Number(a);
         d.sdkVersion = version > INT_MAX ? INT_MAX : version < INT_MIN ? INT_MIN : static_cast<int>(version);
     }},
    {ToClient::AskFunctions, [](ClientDescription &d, std::string &a) { d.functions = ClientWire::FunctionList(a); }},
    {ToClient::AskVersion, [](ClientDescription &d, std::string &a) { d.version.swap(a); }},
    {ToClient::AskAuthor, [](ClientDescription &d, std::string &a) { d.author.swap(a); }},
    {ToClient::AskDescription, [](ClientDescription &d, std::string &a) { d.description.swap(a); }},
    {ToClient::AskCopyright, [](ClientDescription &d, std::string &a) { d.copyright.swap(a); }},
    {ToClient::AskUrl, [](ClientDescription &d, std::string &a) { d.url.swap(a); }},
    {ToClient::AskMail, [](ClientDescription &d, std::string &a) { d.mail.swap(a); }},
};

}

TamborelClient::TamborelClient(Workbench &workbench) : workbench_(workbench), requests_(workbench) {}

TamborelClient::~TamborelClient() { Shutdown(); }

const std::vector<std::string> &TamborelClient::ClientNames() {
    if (listed_)
        return names_;
    listed_ = true;
    WIN32_FIND_DATAA found;
    const FileSearch search((ClientDirectory() + "*.*").c_str(), found);
    if (!search.Valid())
        return names_;
    do {
        const bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (folder && std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0)
            names_.push_back(found.cFileName);
    } while (search.Next(found));
    descriptions_.resize(names_.size());
    return names_;
}

int TamborelClient::IndexOf(const std::string &name) {
    const std::vector<std::string> &names = ClientNames();
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return static_cast<int>(i);
    return -1;
}

ClientDescription *TamborelClient::Description(int index) {
    ClientNames();
    return index >= 0 && static_cast<size_t>(index) < descriptions_.size() ? &descriptions_[static_cast<size_t>(index)] : nullptr;
}

TamborelClient::Connection *TamborelClient::Find(int id) const {
    const auto found = connections_.find(id);
    return found == connections_.end() ? nullptr : found->second.get();
}

const ClientMemory *TamborelClient::Memory(int id) const {
    const Connection *connection = Find(id);
    return connection ? &connection->memory : nullptr;
}

HWND TamborelClient::Owner() const {
    HWND frame = workbench_.Handle();
    return IsWindow(frame) ? frame : nullptr;
}

void TamborelClient::Post(int id, UINT message, WPARAM wParam) const {
    if (const Connection *connection = Find(id))
        PostMessageA(connection->window, message, wParam, 0);
}

int TamborelClient::Connect(const std::string &name, bool &started) {
    started = false;
    const int index = IndexOf(name);
    ClientDescription *description = Description(index);
    // A client that ended or lost its window without saying so is let go and started again.
    if (description && description->connectionId) {
        const Connection *connection = Find(description->connectionId);
        if (connection && IsWindow(connection->window) && (!connection->process.Valid() || Running(connection->process)))
            return connection->id;
        Disconnect(description->connectionId);
    }
    const std::string program = ClientDirectory() + name + "\\client.exe";
    if (!description || !IsFile(program)) {
        Tell(Owner(), {"cannot find client application.", program.c_str(), "クライアントアプリケーションが見つかりません。", MB_ICONEXCLAMATION});
        return 0;
    }
    // A start is under way further up the stack (a message sent while it waits).
    if (connecting_)
        return 0;
    connecting_ = true;
    const int id = Start(index, program);
    connecting_ = false;
    if (!id)
        return 0;
    description->connectionId = id;
    started = true;
    return id;
}

int TamborelClient::Start(int index, const std::string &program) {
    auto connection = std::make_unique<Connection>();
    connection->id = lastId_ + 1;
    connection->binding = index;
    connection->program = program;
    connection->editor = workbench_.Handle();
    if (connection->memory.Create(connection->id, connection->editor)) {
        char commandLine[64];
        std::snprintf(commandLine, sizeof commandLine, TamborelProtocol::StartCommandLine, connection->id,
                      HandleNumber(connection->editor));
        STARTUPINFOA startup{};
        PROCESS_INFORMATION process{};
        if (Desktop::Get().StartProcess(program.c_str(), commandLine, false, 0, nullptr, startup, process)) {
            connection->process.Reset(process.hProcess);
            connection->thread.Reset(process.hThread);
            connection->processId = process.dwProcessId;
            connection->threadId = process.dwThreadId;
            connection->window = Handshake(*connection);
        }
    }
    if (!connection->window) {
        Tell(Owner(), {"couldn't start client application.", program.c_str(), "クライアントアプリケーション起動に失敗しました。", MB_ICONERROR});
        return 0;
    }
    const int id = connection->id;
    connections_[id] = std::move(connection);
    lastId_ = id;
    return id;
}

// The client writes its window handle, as decimal text, at the start of its client-to-server
// block. A client that has not done so within the time limit, or is refused, is ended: nobody
// would ever talk to it, and it would keep its blocks alive.
HWND TamborelClient::Handshake(Connection &connection) {
    const volatile unsigned char *first = connection.memory.ClientToServer();
    const DWORD start = GetTickCount();
    while (!*first && Running(connection.process)) {
        if (GetTickCount() - start >= limits.handshake) {
            Log().Warn("%s [%s]", "client application did not answer the start-up handshake in time.", connection.program.c_str());
            TerminateProcess(connection.process.Get(), 1);
            return nullptr;
        }
        Pause(connection.process.Get());
    }
    unsigned char *block = connection.memory.ClientToServer();
    const long long number = ClientWire::Number(ClientWire::TextAt(block, BlockSize, 0));
    ClientMemory::Clear(block, BlockSize);
    HWND window = reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int>(number)));
    if (number != 0 && number >= INT_MIN && number <= INT_MAX && Running(connection.process) && IsWindow(window))
        return window;
    TerminateProcess(connection.process.Get(), 1);
    return nullptr;
}

bool TamborelClient::LoadDescription(int index, bool started) {
    ClientDescription *description = Description(index);
    if (!description || !description->connectionId)
        return false;
    if (description->loaded)
        return true;
    const int id = description->connectionId;
    ClientDescription answered;
    for (const Question &question : questions) {
        std::string answer;
        if (!Ask(id, question.message, answer)) {
            Tell(Owner(), {"client application did not answer.", names_[static_cast<size_t>(index)].c_str(),
                           "クライアントアプリケーションが応答しません。", MB_ICONWARNING});
            return false;
        }
        question.store(answered, answer);
    }
    answered.connectionId = id;
    answered.loaded = true;
    answered.lastFunction = description->lastFunction;
    *description = std::move(answered);
    if (started)
        Post(id, ToClient::StateNotice, ToClient::Connected);
    return true;
}

// While the client answers, messages sent to the editor are served, and one of them may end
// this very connection: it is looked up again afterwards.
bool TamborelClient::Ask(int id, unsigned question, std::string &answer) {
    Connection *connection = Find(id);
    if (!connection)
        return false;
    ClientMemory::Clear(connection->memory.ClientToServer(), BlockSize);
    DWORD_PTR result = 0;
    const bool answered = SendMessageTimeoutA(connection->window, question, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                                              limits.question, &result) != 0;
    connection = Find(id);
    if (!connection)
        return false;
    answer = ClientWire::TextAt(connection->memory.ClientToServer(), BlockSize, 0);
    ClientMemory::Clear(connection->memory.ClientToServer(), BlockSize);
    return answered;
}

bool TamborelClient::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
    if (message < Codes::Attach || message > Codes::LastRequest)
        return false;
    const int id = wParam <= static_cast<WPARAM>(INT_MAX) ? static_cast<int>(wParam) : -1;
    switch (message) {
    case Codes::Attach: result = Attach(lParam); break;
    case Codes::DebugAttach: result = AttachDebug(wParam, lParam); break;
    case Codes::ReplaceWindow: result = ReplaceWindow(id, lParam); break;
    case Codes::ReleaseHandles: result = ReleaseHandles(id); break;
    case Codes::Disconnect:
        // The client waits for this answer while the editor waits for it to end: answer first.
        if (InSendMessage())
            ReplyMessage(1);
        Disconnect(id);
        result = 1;
        break;
    default: result = Serve(message, id); break;
    }
    return true;
}

LRESULT TamborelClient::Attach(LPARAM window) {
    if (!IsWindow(reinterpret_cast<HWND>(window)))
        return 0;
    auto connection = std::make_unique<Connection>();
    connection->id = lastId_ + 1;
    connection->editor = workbench_.Handle();
    connection->window = reinterpret_cast<HWND>(window);
    if (!connection->memory.Create(connection->id, connection->editor))
        return 0;
    connection->answerExtent = WriteAnswer(connection->memory.ServerToClient(), std::to_string(connection->id));
    lastId_ = connection->id;
    connections_[lastId_] = std::move(connection);
    return 1;
}

LRESULT TamborelClient::AttachDebug(WPARAM wParam, LPARAM window) {
    if (wParam != 0 || !IsWindow(reinterpret_cast<HWND>(window)))
        return 0;
    if (Connection *connection = Find(0)) {
        ClientMemory::Clear(connection->memory.ClientToServer(), BlockSize);
        connection->window = reinterpret_cast<HWND>(window);
        Log().Info("TamborelClient#DebugStart - updated!");
        return 1;
    }
    auto connection = std::make_unique<Connection>();
    connection->editor = workbench_.Handle();
    connection->window = reinterpret_cast<HWND>(window);
    if (!connection->memory.Create(0, connection->editor))
        return 0;
    connections_[0] = std::move(connection);
    Log().Info("TamborelClient#DebugStart - created!");
    return 1;
}

LRESULT TamborelClient::ReplaceWindow(int id, LPARAM window) {
    Connection *connection = Find(id);
    if (!connection)
        return 0;
    connection->window = reinterpret_cast<HWND>(window);
    return 1;
}

LRESULT TamborelClient::ReleaseHandles(int id) {
    Connection *connection = Find(id);
    if (!connection)
        return 0;
    connection->thread.Reset();
    connection->process.Reset();
    return 1;
}

// The record leaves the table first, so that a message served during the wait finds it gone.
void TamborelClient::Disconnect(int id) {
    const auto found = connections_.find(id);
    if (found == connections_.end())
        return;
    std::unique_ptr<Connection> connection = std::move(found->second);
    connections_.erase(found);
    connection->memory.Release();
    if (!connection->thread.Reset())
        Log().Error("TamborelClient#Disconnect - CloseHandle(hThread) failed");
    if (connection->process.Valid()) {
        if (!AwaitExit(connection->process.Get(), limits.exit))
            Tell(Owner(), {"client application did not end in time.", connection->program.c_str(),
                           "クライアントアプリケーションが終了しないため、待機を打ち切りました。", MB_ICONWARNING});
        if (!connection->process.Reset())
            Log().Error("TamborelClient#Disconnect - CloseHandle(hProcess) failed");
    }
    if (ClientDescription *description = Description(connection->binding)) {
        description->connectionId = 0;
        description->loaded = false;
    }
    Log().Info("%s [clientId = %d]", "TamborelClient#Disconnect - success!", id);
}

bool TamborelClient::AwaitExit(HANDLE process, DWORD limit) {
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        if (GetTickCount() - start >= limit)
            return false;
        Pause(process);
    }
    return true;
}

void TamborelClient::Shutdown() {
    std::vector<int> ids;
    for (const auto &entry : connections_)
        ids.push_back(entry.first);
    for (int id : ids) {
        if (id >= 1)
            Post(id, ToClient::StateNotice, ToClient::Closing);
        Disconnect(id);
    }
}

// Only what the last answer and this request's parameters covered is cleared: zero-filling both
// whole blocks at every request would cost more than the rest of the round trip.
LRESULT TamborelClient::Serve(unsigned code, int id) {
    Connection *connection = Find(id);
    if (!connection)
        return 0;
    ClientMemory::Clear(connection->memory.ServerToClient(), connection->answerExtent);
    connection->answerExtent = 0;
    const ClientWire::Request request = ClientWire::DecodeRequest(connection->memory.ClientToServer(), BlockSize);
    const std::optional<std::string> answer = requests_.Perform(code, request);
    connection = Find(id);
    if (!connection)
        return 1;
    if (answer)
        connection->answerExtent = WriteAnswer(connection->memory.ServerToClient(), *answer);
    for (size_t i = 0; i < 3; ++i)
        ClientMemory::Clear(connection->memory.ClientToServer() + TamborelProtocol::ParameterOffsets[i], request.extents[i]);
    return 1;
}
