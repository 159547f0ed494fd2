#include "sdk/run/RunClient.h"

#include <shlwapi.h>

#include <exception>
#include <vector>

#include "hsp/Hsp.h"

namespace {

const char caption[] = "Tamborel";
const char sourceName[] = "hsptmp";
const char objectName[] = "obj";
const size_t textBuffer = 260;

TamborelSdk::Description Describe() {
    TamborelSdk::Description description;
    description.name = "実行クライアント";
    description.version = "1.0";
    description.author = "Tamborel";
    description.description = "アクティブなスクリプトを現在の内容のままＨＳＰコンパイラでコンパイルし、実行します。"
                              "コンパイルに失敗したときは、コンパイラのメッセージを表示します。";
    description.copyright = "Tamborel";
    description.functions = {{"実行", "スクリプトをコンパイルして実行します"},
                             {"コンパイル", "スクリプトをコンパイルし、エラーがないか確かめます"}};
    return description;
}

// A Shift-JIS trail byte may equal a backslash: the shell's path functions know double-byte
// characters, a byte-wise search does not.
std::string FilePartOf(const std::string &path) { return PathFindFileNameA(path.c_str()); }
std::string FolderOf(const std::string &path) { return path.substr(0, path.size() - FilePartOf(path).size()); }

INT_PTR Text(const std::string &text) { return reinterpret_cast<INT_PTR>(text.c_str()); }

// The current directory is the script's while the library works, and is given back afterwards.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::string &folder) {
        GetCurrentDirectoryA(MAX_PATH, previous_);
        SetCurrentDirectoryA(folder.c_str());
    }
    ~CurrentDirectory() { SetCurrentDirectoryA(previous_); }
    CurrentDirectory(const CurrentDirectory &) = delete;
    CurrentDirectory &operator=(const CurrentDirectory &) = delete;

private:
    char previous_[MAX_PATH] = "";
};

}

RunClient::RunClient() : Client(Describe()) {}

void RunClient::Tell(const char *text, UINT icon) { ShowMessage(text, caption, icon); }

void RunClient::OnRun(int function) {
    if (function != 0 && function != 1)
        return;
    try {
        Build(function == 0);
    } catch (const std::exception &) {
        Tell("ＨＳＰコンパイラの呼び出しに失敗しました。", MB_ICONERROR);
    }
}

void RunClient::Build(bool run) {
    if (!HomeValid()) {
        Tell("ＨＳＰのインストールディレクトリが正しく設定されていないため、スクリプトを実行できません。", MB_ICONWARNING);
        return;
    }
    const std::string home = HomeDirectory();
    const Target target = ChooseTarget();
    const std::string source = target.folder + sourceName;
    if (!WriteSource(target, source))
        return;
    Hsp hsp;
    if (!hsp.Load((home + "hspcmp.dll").c_str())) {
        Tell("ＨＳＰコンパイラを読み込めませんでした。", MB_ICONERROR);
        return;
    }
    CurrentDirectory inFolder(target.folder);
    if (!Compile(hsp, target, home))
        Report(hsp);
    else if (run && !Start(hsp, target, home))
        Tell("スクリプトを実行できませんでした。", MB_ICONERROR);
    else if (!run)
        Tell("コンパイルに成功しました。", MB_ICONINFORMATION);
}

// As the editor's own compile does: in a project, a project document or a fresh untitled one
// stands for the project's entry point.
RunClient::Target RunClient::ChooseTarget() {
    Target target;
    target.document = ActiveDocument();
    if (HasFile(target.document))
        target.path = Path(target.document);
    const bool fresh = target.path.empty() && !IsModified(target.document);
    if (ProjectOpen() && (fresh || ProjectContains(target.path))) {
        const std::string entry = EntryPoint();
        if (!entry.empty()) {
            target.path = entry;
            target.document = FindDocument(entry);
        }
    }
    target.folder = target.path.empty() ? ProgramDirectory() + "work\\" : FolderOf(target.path);
    return target;
}

// The editor writes the text, with its unsaved changes, through its own save routine; a script
// that is not open is copied as it is on disk.
bool RunClient::WriteSource(const Target &target, const std::string &source) {
    DeleteFileA(source.c_str());
    if (target.document.empty()) {
        if (CopyFileA(target.path.c_str(), source.c_str(), FALSE))
            return true;
    } else {
        WriteToFile(target.document, source);
        if (GetFileAttributesA(source.c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
    }
    Tell("コンパイルするスクリプトを書き出せませんでした。", MB_ICONERROR);
    return false;
}

bool RunClient::Compile(Hsp &hsp, const Target &target, const std::string &home) {
    const std::string source = target.folder + sourceName;
    const std::string shown = target.path.empty() ? sourceName : FilePartOf(target.path);
    const std::string object = target.folder + objectName;
    const std::string common = home + "common\\";
    hsp.Call(Hsp::hsc_ini, 0, Text(source));
    hsp.Call(Hsp::hsc_refname, 0, Text(shown));
    hsp.Call(Hsp::hsc_objname, 0, Text(object));
    hsp.Call(Hsp::hsc_compath, 0, Text(common));
    return hsp.Call(Hsp::hsc_comp, 0, 0) == 0;
}

void RunClient::Report(Hsp &hsp) {
    char version[textBuffer] = "";
    hsp.Call(Hsp::hsc_ver, 0, 0, 0, reinterpret_cast<INT_PTR>(version));
    int size = 0;
    hsp.Call(Hsp::hsc3_messize, reinterpret_cast<INT_PTR>(&size));
    std::vector<char> messages(static_cast<size_t>(size > 0 ? size : 0) + 1, '\0');
    if (size > 0)
        hsp.Call(Hsp::hsc_getmes, reinterpret_cast<INT_PTR>(messages.data()));
    ShowReport(version, messages.data());
}

// The runtime the script names (hsp3.exe when it names none), from the HSP home, with the
// object file and the debug command line of the settings.
bool RunClient::Start(Hsp &hsp, const Target &target, const std::string &home) {
    const std::string object = target.folder + objectName;
    char runtime[textBuffer] = "";
    hsp.Call(Hsp::hsc3_getruntime, reinterpret_cast<INT_PTR>(runtime), Text(object));
    std::string commandLine = home + (runtime[0] ? runtime : "hsp3.exe") + " \"" + object + "\"";
    const std::string arguments = DebugCommandLine();
    if (!arguments.empty())
        commandLine += " " + arguments;
    return hsp.Call(Hsp::hsc3_run, Text(commandLine)) == 0;
}
