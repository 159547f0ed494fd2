#include "sdk/TamborelSdk.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace TamborelSdk {

namespace ToClient = TamborelProtocol::ToClient;
namespace ToEditor = TamborelProtocol::ToEditor;
using TamborelProtocol::BlockSize;
using TamborelProtocol::ParameterOffsets;

namespace {

const char windowClass[] = "TamborelClientSdkWindow";
// While connected, the client looks this often whether the editor's window still exists: an
// editor that ended without its closing notice (it crashed, or was ended) leaves no client behind.
const UINT_PTR editorWatch = 1;
const UINT editorWatchPeriod = 1000;
const UINT disconnectLimit = 5000;
// Attaching clients look for their new id among the blocks that exist; ids freed by clients
// that left make gaps, and this many missing ids in a row end the search.
const int attachSearchGap = 256;

int HandleNumber(HWND window) { return static_cast<int>(reinterpret_cast<intptr_t>(window)); }
HWND WindowOfNumber(long long number) { return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int>(number))); }

std::string BlockName(const char *format, int id, HWND editor) {
    char name[TamborelProtocol::NameSize];
    std::snprintf(name, sizeof name, format, id, HandleNumber(editor));
    return name;
}

std::string TextAt(const unsigned char *block) {
    const void *end = std::memchr(block, 0, BlockSize);
    return std::string(reinterpret_cast<const char *>(block),
                       end ? static_cast<const unsigned char *>(end) - block : static_cast<std::ptrdiff_t>(BlockSize));
}

long long Number(const std::string &text) { return text.empty() ? -1 : std::strtoll(text.c_str(), nullptr, 10); }

// Names and explanations must not carry the list's separators.
std::string Clean(const std::string &text) {
    std::string cleaned;
    for (char c : text)
        if (c != '/' && c != '?')
            cleaned += c;
    return cleaned;
}

std::string FunctionList(const std::vector<Function> &functions) {
    std::string list;
    for (const Function &function : functions) {
        if (!list.empty())
            list += '/';
        list += Clean(function.name);
        if (!function.explanation.empty())
            list += '?' + Clean(function.explanation);
    }
    return list;
}

// A client's notice handler that throws must not unwind through the system's dispatch.
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *client = reinterpret_cast<Client *>(GetWindowLongPtrA(window, GWLP_USERDATA));
    LRESULT result = 0;
    try {
        if (client && client->HandleMessage(message, wParam, lParam, result))
            return result;
    } catch (...) {
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}

struct Client::Block {
    HANDLE mapping = nullptr;
    unsigned char *view = nullptr;

    ~Block() {
        if (view)
            UnmapViewOfFile(view);
        if (mapping)
            CloseHandle(mapping);
    }
    bool Open(const std::string &name) {
        mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name.c_str());
        if (mapping)
            view = static_cast<unsigned char *>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, BlockSize));
        return view != nullptr;
    }
};

Client::Client(Description description) : description_(std::move(description)) {}

Client::~Client() {
    Disconnect();
    if (window_)
        DestroyWindow(window_);
}

bool Client::MakeWindow() {
    if (window_)
        return true;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowType{};
    windowType.lpfnWndProc = WindowProcedure;
    windowType.hInstance = instance;
    windowType.lpszClassName = windowClass;
    RegisterClassA(&windowType);
    window_ = CreateWindowExA(0, windowClass, description_.name.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (window_)
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return window_ != nullptr;
}

bool Client::OpenBlocks(int id, HWND editor) {
    CloseBlocks();
    serverToClient_ = std::make_unique<Block>();
    clientToServer_ = std::make_unique<Block>();
    if (serverToClient_->Open(BlockName(TamborelProtocol::ServerToClientName, id, editor)) &&
        clientToServer_->Open(BlockName(TamborelProtocol::ClientToServerName, id, editor))) {
        id_ = id;
        editor_ = editor;
        SetTimer(window_, editorWatch, editorWatchPeriod, nullptr);
        return true;
    }
    CloseBlocks();
    return false;
}

void Client::CloseBlocks() {
    serverToClient_.reset();
    clientToServer_.reset();
    if (window_)
        KillTimer(window_, editorWatch);
    editor_ = nullptr;
    id_ = -1;
}

bool Client::ConnectStarted(const char *commandLine) {
    int id = 0;
    int editor = 0;
    char end = 0;
    const char *tail = commandLine ? commandLine : "";
    // The editor gives the two numbers alone; a launcher may have put the program's name first.
    while (std::sscanf(tail, " %d.%d%c", &id, &editor, &end) != 3 || end != ';') {
        const char *space = std::strchr(tail, ' ');
        if (!space)
            return false;
        tail = space + 1;
    }
    if (id < 1 || !MakeWindow() || !OpenBlocks(id, WindowOfNumber(editor)))
        return false;
    // The editor starts reading as soon as the first byte is not zero: write it last.
    const std::string handle = std::to_string(HandleNumber(window_));
    std::memcpy(clientToServer_->view + 1, handle.c_str() + 1, handle.size());
    std::atomic_thread_fence(std::memory_order_release);
    *reinterpret_cast<volatile unsigned char *>(clientToServer_->view) = static_cast<unsigned char>(handle[0]);
    return true;
}

bool Client::Attach(HWND editor) {
    if (!MakeWindow() || !SendMessageA(editor, ToEditor::Attach, 0, reinterpret_cast<LPARAM>(window_)))
        return false;
    // The newest block whose answer is its own id is this client's.
    int found = 0;
    for (int id = 1, missing = 0; missing < attachSearchGap; ++id) {
        Block candidate;
        if (!candidate.Open(BlockName(TamborelProtocol::ServerToClientName, id, editor))) {
            ++missing;
            continue;
        }
        missing = 0;
        if (TextAt(candidate.view) == std::to_string(id))
            found = id;
    }
    return found > 0 && OpenBlocks(found, editor);
}

bool Client::AttachDebug(HWND editor) {
    return MakeWindow() && SendMessageA(editor, ToEditor::DebugAttach, 0, reinterpret_cast<LPARAM>(window_)) &&
           OpenBlocks(0, editor);
}

void Client::Disconnect() {
    if (!editor_)
        return;
    HWND editor = editor_;
    const int id = id_;
    CloseBlocks();
    // An editor that stopped answering must not keep the client from ending.
    DWORD_PTR result = 0;
    SendMessageTimeoutA(editor, ToEditor::Disconnect, static_cast<WPARAM>(id), 0, SMTO_ABORTIFHUNG, disconnectLimit, &result);
}

bool Client::ReleaseHandles() {
    return editor_ && SendMessageA(editor_, ToEditor::ReleaseHandles, static_cast<WPARAM>(id_), 0) != 0;
}

bool Client::ReplaceWindow(HWND window) {
    if (!editor_ || !SendMessageA(editor_, ToEditor::ReplaceWindow, static_cast<WPARAM>(id_), reinterpret_cast<LPARAM>(window)))
        return false;
    window_ = window;
    return true;
}

int Client::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

void Client::Quit(int code) { PostQuitMessage(code); }

std::string Client::AnswerTo(UINT question) const {
    switch (question) {
    case ToClient::AskSdkVersion: return std::to_string(description_.sdkVersion);
    case ToClient::AskName: return description_.name;
    case ToClient::AskVersion: return description_.version;
    case ToClient::AskDescription: return description_.description;
    case ToClient::AskAuthor: return description_.author;
    case ToClient::AskUrl: return description_.url;
    case ToClient::AskMail: return description_.mail;
    case ToClient::AskCopyright: return description_.copyright;
    default: return FunctionList(description_.functions);
    }
}

bool Client::HandleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT &result) {
    result = 0;
    if (message >= ToClient::AskSdkVersion && message <= ToClient::AskFunctions) {
        if (!clientToServer_)
            return true;
        const std::string answer = AnswerTo(message);
        const size_t length = answer.size() < BlockSize ? answer.size() : BlockSize - 1;
        std::memcpy(clientToServer_->view, answer.data(), length);
        clientToServer_->view[length] = 0;
        result = 1;
        return true;
    }
    if (message == WM_TIMER && wParam == editorWatch) {
        if (editor_ && !IsWindow(editor_)) {
            CloseBlocks();
            OnClosing();
        }
        return true;
    }
    if (message == ToClient::RunFunction) {
        OnRun(static_cast<int>(wParam));
        return true;
    }
    if (message == ToClient::StateNotice) {
        // The editor lets go of the connection itself after this notice.
        if (wParam == ToClient::Closing) {
            CloseBlocks();
            OnClosing();
        }
        else
            OnConnected();
        return true;
    }
    return false;
}

bool Client::Request(unsigned code, const std::string &p0, const std::string &p1, const std::string &p2) {
    answer_.clear();
    if (!clientToServer_)
        return false;
    const size_t room1 = (p2.empty() ? BlockSize : ParameterOffsets[2]) - ParameterOffsets[1];
    if (p0.size() >= ParameterOffsets[1] || p1.size() >= room1 || p2.size() >= BlockSize - ParameterOffsets[2])
        return false;
    // Last parameter first: a long second parameter may run over the third one's empty place.
    const std::string *parameters[] = {&p0, &p1, &p2};
    for (size_t i = 3; i-- > 0;)
        std::memcpy(clientToServer_->view + ParameterOffsets[i], parameters[i]->c_str(), parameters[i]->size() + 1);
    if (!SendMessageA(editor_, code, static_cast<WPARAM>(id_), 0))
        return false;
    // A request may have ended the connection (the editor closing, a message box's loop).
    if (serverToClient_)
        answer_ = TextAt(serverToClient_->view);
    return true;
}

std::string Client::ByIndex(int index) { return "<I>" + std::to_string(index); }
std::string Client::ByHandle(HWND window) { return "<H>" + std::to_string(HandleNumber(window)); }

long long Client::NumberAnswer(unsigned code, const std::string &p0, const std::string &p1) {
    return Request(code, p0, p1) ? Number(answer_) : -1;
}
bool Client::FlagAnswer(unsigned code, const std::string &p0, const std::string &p1) {
    return Request(code, p0, p1) && answer_ == "1";
}
std::string Client::TextAnswer(unsigned code, const std::string &p0, const std::string &p1) {
    return Request(code, p0, p1) ? answer_ : std::string();
}

std::string Client::ProgramDirectory() { return TextAnswer(ToEditor::ProgramDirectory); }
int Client::ShowMessage(const std::string &text, const std::string &caption, UINT style) {
    return Request(ToEditor::ShowMessage, text, caption, std::to_string(style)) ? static_cast<int>(Number(answer_)) : -1;
}
void Client::Wait(int milliseconds) { Request(ToEditor::Wait, std::to_string(milliseconds)); }
void Client::ShowReport(const std::string &version, const std::string &messages) { Request(ToEditor::ShowReport, version, messages); }
bool Client::HomeValid() { return FlagAnswer(ToEditor::HomeValid); }
std::string Client::HomeDirectory() { return TextAnswer(ToEditor::HomeDirectory); }
bool Client::ProjectOpen() { return FlagAnswer(ToEditor::ProjectOpen); }
bool Client::ProjectContains(const std::string &path) { return FlagAnswer(ToEditor::ProjectContains, path); }
void Client::CloseProject() { Request(ToEditor::CloseProject); }
std::string Client::EntryPoint() { return TextAnswer(ToEditor::EntryPoint); }
bool Client::SaveAllFlag() { return FlagAnswer(ToEditor::SaveAllFlag); }
std::string Client::DefaultDirectory() { return TextAnswer(ToEditor::DefaultDirectory); }
std::string Client::DebugCommandLine() { return TextAnswer(ToEditor::DebugCommandLine); }
bool Client::DebugWindow() { return FlagAnswer(ToEditor::DebugWindow); }
std::string Client::ActiveDocument() { return TextAnswer(ToEditor::ActiveIndex); }
std::string Client::ActiveDocumentHandle() { return TextAnswer(ToEditor::ActiveHandle); }
long long Client::DocumentCount() { return NumberAnswer(ToEditor::DocumentCount); }
std::string Client::FindDocument(const std::string &path) { return TextAnswer(ToEditor::FindPath, path); }
std::string Client::DocumentAt(int index) { return TextAnswer(ToEditor::FindIndex, std::to_string(index)); }
long long Client::NewDocument() { return NumberAnswer(ToEditor::NewDocument); }
long long Client::LogLevel() { return NumberAnswer(ToEditor::LogLevel); }
void Client::SetLogLevel(int level) { Request(ToEditor::SetLogLevel, std::to_string(level)); }

std::string Client::HandleOf(const std::string &document) { return TextAnswer(ToEditor::HandleOf, document); }
std::string Client::IndexOf(const std::string &document) { return TextAnswer(ToEditor::IndexOf, document); }
void Client::Activate(const std::string &document) { Request(ToEditor::Activate, document); }
bool Client::HasFile(const std::string &document) { return FlagAnswer(ToEditor::HasFile, document); }
std::string Client::Path(const std::string &document) { return TextAnswer(ToEditor::DocumentPath, document); }
long long Client::CaretLine(const std::string &document) { return NumberAnswer(ToEditor::CaretLine, document); }
long long Client::LineCount(const std::string &document) { return NumberAnswer(ToEditor::LineCount, document); }
long long Client::LineLength(const std::string &document, long long line) {
    return NumberAnswer(ToEditor::LineLength, document, std::to_string(line));
}
long long Client::CaretPosition(const std::string &document) { return NumberAnswer(ToEditor::CaretPosition, document); }
long long Client::LineStart(const std::string &document, long long line) {
    return NumberAnswer(ToEditor::LineStart, document, std::to_string(line));
}
long long Client::LineEnd(const std::string &document, long long line) {
    return NumberAnswer(ToEditor::LineEnd, document, std::to_string(line));
}
long long Client::Length(const std::string &document) { return NumberAnswer(ToEditor::Length, document); }
bool Client::HasSelection(const std::string &document) { return FlagAnswer(ToEditor::HasSelection, document); }
bool Client::CanPaste(const std::string &document) { return FlagAnswer(ToEditor::CanPaste, document); }
bool Client::CanUndo(const std::string &document) { return FlagAnswer(ToEditor::CanUndo, document); }
bool Client::CanRedo(const std::string &document) { return FlagAnswer(ToEditor::CanRedo, document); }
bool Client::IsModified(const std::string &document) { return FlagAnswer(ToEditor::IsModified, document); }
void Client::SetModified(const std::string &document, bool modified) {
    Request(ToEditor::SetModified, document, modified ? "1" : "0");
}
bool Client::IsReadOnly(const std::string &document) { return FlagAnswer(ToEditor::IsReadOnly, document); }
void Client::SetReadOnly(const std::string &document, bool readOnly) {
    Request(ToEditor::SetReadOnly, document, readOnly ? "1" : "0");
}
void Client::BeginUndoAction(const std::string &document) { Request(ToEditor::BeginUndoAction, document); }
void Client::EndUndoAction(const std::string &document) { Request(ToEditor::EndUndoAction, document); }
void Client::EmptyUndoBuffer(const std::string &document) { Request(ToEditor::EmptyUndoBuffer, document); }
void Client::Cut(const std::string &document) { Request(ToEditor::Cut, document); }
void Client::Copy(const std::string &document) { Request(ToEditor::Copy, document); }
void Client::Paste(const std::string &document) { Request(ToEditor::Paste, document); }
void Client::Undo(const std::string &document) { Request(ToEditor::Undo, document); }
void Client::Redo(const std::string &document) { Request(ToEditor::Redo, document); }
void Client::SelectAll(const std::string &document) { Request(ToEditor::SelectAll, document); }
void Client::ClearAll(const std::string &document) { Request(ToEditor::ClearAll, document); }
std::string Client::GetText(const std::string &document, long long length) {
    return TextAnswer(ToEditor::GetText, document, std::to_string(length));
}
void Client::SetText(const std::string &document, const std::string &text) { Request(ToEditor::SetText, document, text); }
void Client::InsertCharacter(const std::string &document, long long position, int code) {
    Request(ToEditor::InsertCharacter, document, std::to_string(position), std::to_string(code));
}
void Client::InsertText(const std::string &document, long long position, const std::string &text) {
    Request(ToEditor::InsertText, document, std::to_string(position), text);
}
void Client::AppendText(const std::string &document, const std::string &text) { Request(ToEditor::AppendText, document, text); }
void Client::WriteToFile(const std::string &document, const std::string &path) { Request(ToEditor::WriteToFile, document, path); }
void Client::ReadFromFile(const std::string &document, const std::string &path) { Request(ToEditor::ReadFromFile, document, path); }
void Client::SetLanguage(const std::string &document, const std::string &extension) {
    Request(ToEditor::SetLanguage, document, extension);
}
long long Client::StyleAt(const std::string &document, long long position) {
    return NumberAnswer(ToEditor::StyleAt, document, std::to_string(position));
}

}
