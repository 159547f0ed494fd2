// The client SDK: a client program connects to the editor with one of these, answers the
// editor's questions about itself from a Description, hears the run and state notices through
// its virtual operations, and makes requests with one typed call each. All of it happens on the
// thread that made the Client, which must run a message loop (Run) so that the editor's
// questions are answered. See sdk/README.md.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "sdk/TamborelProtocol.h"

namespace TamborelSdk {

struct Function {
    std::string name;
    std::string explanation;
};

// What the client tells the editor about itself. "/" and "?" separate functions and their
// explanations on the wire, so the SDK drops them from names and explanations.
struct Description {
    std::string name;
    std::string version;
    std::string author;
    std::string description;
    std::string copyright;
    std::string url;
    std::string mail;
    std::vector<Function> functions;
    int sdkVersion = TamborelProtocol::SdkVersion;
};

class Client {
public:
    explicit Client(Description description);
    virtual ~Client();
    Client(const Client &) = delete;
    Client &operator=(const Client &) = delete;

    // As a client the editor started, from the command line it was given ("<id>.<window>;",
    // possibly after the program's name). False when the line names no editor or its blocks
    // cannot be opened.
    bool ConnectStarted(const char *commandLine);
    // To a running editor, by its main window: the editor gives the connection the next id.
    bool Attach(HWND editor);
    // The debugging connection, id 0: one at a time, taken over by the latest to ask.
    bool AttachDebug(HWND editor);
    // Tells the editor that the connection ends and lets go of the blocks. A client the editor
    // started should exit soon after: the editor waits for it.
    void Disconnect();
    // Tells the editor to let go of this process: it will not wait for it to end.
    bool ReleaseHandles();
    // Makes another window of this thread the one the editor talks to.
    bool ReplaceWindow(HWND window);

    bool Connected() const { return editor_ != nullptr; }
    int Id() const { return id_; }
    HWND Editor() const { return editor_; }
    HWND Window() const { return window_; }
    const Description &Self() const { return description_; }

    // The message loop, until Quit; returns the code given to Quit.
    int Run();
    void Quit(int code = 0);

    // Notices from the editor. A function index is -1 when the editor's key binding names a
    // function this client does not have. The closing notice quits the loop unless overridden;
    // it also comes when the editor's window is found gone without one.
    virtual void OnRun(int function) {}
    virtual void OnConnected() {}
    virtual void OnClosing() { Quit(0); }

    // Any request by its code, with its parameters: false when they do not fit their places in
    // the block, or the editor did not take the request. The answer text is then Answer(), empty
    // when the editor answered nothing.
    bool Request(unsigned code, const std::string &p0 = std::string(), const std::string &p1 = std::string(),
                 const std::string &p2 = std::string());
    const std::string &Answer() const { return answer_; }

    // Document references for the document requests.
    static std::string ByIndex(int index);
    static std::string ByHandle(HWND window);

    // Global requests. Numbers are -1 and texts empty when nothing was answered.
    std::string ProgramDirectory();
    int ShowMessage(const std::string &text, const std::string &caption, UINT style);
    // The editor waits at most 5 seconds.
    void Wait(int milliseconds);
    // The editor's compiler report dialog, until the user closes it.
    void ShowReport(const std::string &version, const std::string &messages);
    bool HomeValid();
    std::string HomeDirectory();
    bool ProjectOpen();
    bool ProjectContains(const std::string &path);
    void CloseProject();
    std::string EntryPoint();
    bool SaveAllFlag();
    std::string DefaultDirectory();
    std::string DebugCommandLine();
    bool DebugWindow();
    // References ("<I>n", "<H>n"); empty when there is no such document.
    std::string ActiveDocument();
    std::string ActiveDocumentHandle();
    long long DocumentCount();
    std::string FindDocument(const std::string &path);
    std::string DocumentAt(int index);
    long long NewDocument();
    long long LogLevel();
    void SetLogLevel(int level);

    // Document requests; a reference to no open document answers nothing.
    std::string HandleOf(const std::string &document);
    std::string IndexOf(const std::string &document);
    void Activate(const std::string &document);
    bool HasFile(const std::string &document);
    std::string Path(const std::string &document);
    long long CaretLine(const std::string &document);
    long long LineCount(const std::string &document);
    // Without the line end.
    long long LineLength(const std::string &document, long long line);
    long long CaretPosition(const std::string &document);
    long long LineStart(const std::string &document, long long line);
    long long LineEnd(const std::string &document, long long line);
    long long Length(const std::string &document);
    bool HasSelection(const std::string &document);
    bool CanPaste(const std::string &document);
    bool CanUndo(const std::string &document);
    bool CanRedo(const std::string &document);
    bool IsModified(const std::string &document);
    void SetModified(const std::string &document, bool modified);
    bool IsReadOnly(const std::string &document);
    void SetReadOnly(const std::string &document, bool readOnly);
    void BeginUndoAction(const std::string &document);
    void EndUndoAction(const std::string &document);
    void EmptyUndoBuffer(const std::string &document);
    void Cut(const std::string &document);
    void Copy(const std::string &document);
    void Paste(const std::string &document);
    void Undo(const std::string &document);
    void Redo(const std::string &document);
    void SelectAll(const std::string &document);
    void ClearAll(const std::string &document);
    // The first length bytes of the text: all of it up to what the answer block holds by default.
    std::string GetText(const std::string &document, long long length = TamborelProtocol::BlockSize - 1);
    void SetText(const std::string &document, const std::string &text);
    // A code above 0xFF is a double-byte (Shift-JIS) character.
    void InsertCharacter(const std::string &document, long long position, int code);
    void InsertText(const std::string &document, long long position, const std::string &text);
    void AppendText(const std::string &document, const std::string &text);
    void WriteToFile(const std::string &document, const std::string &path);
    void ReadFromFile(const std::string &document, const std::string &path);
    // The language the editor gives a file with this extension (without its dot).
    void SetLanguage(const std::string &document, const std::string &extension);
    long long StyleAt(const std::string &document, long long position);

    // The editor's window procedure calls for this client's window; a client with its own
    // window procedure may call it for the SDK's messages.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result);

private:
    struct Block;

    bool MakeWindow();
    bool OpenBlocks(int id, HWND editor);
    void CloseBlocks();
    std::string AnswerTo(UINT question) const;
    long long NumberAnswer(unsigned code, const std::string &p0 = std::string(), const std::string &p1 = std::string());
    bool FlagAnswer(unsigned code, const std::string &p0 = std::string(), const std::string &p1 = std::string());
    std::string TextAnswer(unsigned code, const std::string &p0 = std::string(), const std::string &p1 = std::string());

    Description description_;
    HWND window_ = nullptr;
    HWND editor_ = nullptr;
    int id_ = -1;
    std::unique_ptr<Block> serverToClient_;
    std::unique_ptr<Block> clientToServer_;
    std::string answer_;
};

}
