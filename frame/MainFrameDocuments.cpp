// The main frame's document operations: new, open, reload, save, close and select.
#include "frame/MainFrameWindow.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "app/Report.h"
#include "app/System.h"
#include "frame/SidePane.h"
#include "framework/Desktop.h"
#include "framework/ShiftJis.h"
#include "language/FileTypes.h"
#include "language/KeywordTables.h"
#include "log/Logger.h"
#include "project/ProjectQuery.h"
#include "resources/resource.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"

namespace {

// The open dialog's file types; the save dialog offers them without the first.
const char openFilter[] =
    "全てのファイル (*.*)\0*.*\0"
    "HSP スクリプト (*.hsp;*.as;*.hss;*.hsh;*.aht)\0*.hsp;*.as;*.hss;*.hsh;*.aht\0"
    "テキスト (*.txt;*.log)\0*.txt;*.log\0"
    "C/C++ (*.c;*.cpp;*.cc;*.cxx;*.h)\0*.c;*.cpp;*.cc;*.cxx;*.h\0"
    "HTML (*.htm;*.html)\0*.htm;*.html\0"
    "XML (*.xml)\0*.xml\0"
    "INI (*.ini)\0*.ini\0"
    "CSV (*.csv)\0*.csv\0"
    "TSV (*.tsv)\0*.tsv\0"
    "SQL (*.sql)\0*.sql\0"
    "VB6/VBA (*.bas;*.cls;*.frm;*.vba;*.vbs)\0*.bas;*.cls;*.frm;*.vba;*.vbs\0"
    "プロジェクト (*.prj)\0*.prj\0";

const char *SaveFilter() { return openFilter + sizeof "全てのファイル (*.*)" + sizeof "*.*"; }

// The extension without its dot, ASCII letters in lower case.
std::string LauncherKey(const char *extension) { return ShiftJis::LowerAscii(extension[0] == '.' ? extension + 1 : extension); }

Logger &Log() { return System::Get().GetLogger(); }

// A path as the user gave it, made absolute against the current folder and canonical, so that
// one file always has one name (a relative name would change meaning with the current folder).
Path AbsolutePath(const char *requested) {
    char full[MAX_PATH] = "";
    char canonical[MAX_PATH] = "";
    if (!requested || !GetFullPathNameA(requested, MAX_PATH, full, nullptr))
        lstrcpynA(full, requested ? requested : "", MAX_PATH);
    if (!PathCanonicalizeA(canonical, full))
        lstrcpynA(canonical, full, MAX_PATH);
    return Path(canonical);
}

void TellCannotOpen(HWND owner, const char *message, const char *path) {
    const std::string text = std::string(path) + "\r\n" + "このファイルを開けませんでした";
    Tell(owner, {message, path, text.c_str(), MB_ICONERROR, ReportLevel::Warning});
}

}

int MainFrameWindow::NewDocument() {
    Document *document = nullptr;
    try {
        document = documents_.Append();
    } catch (const std::bad_alloc &e) {
        Log().Fatal("%s %s", "failure in memory allocation for new document.", e.what());
        throw;
    }
    if (!document)
        return -1;
    const int index = document->Index();
    document->ResetEmpty(FileTypes::Hsp, Common().defaultDirectory);
    document->SetHScrollBar(Common().horizontalScrollbarVisible);
    document->SetVScrollBar(Common().verticalScrollbarVisible);
    documents_.InsertItem(index, "");
    AppendMenuA(menuBar_.Submenu(MainMenuBar::DocumentList), MF_STRING, IDM_DOCUMENT_FIRST + index, "");
    return index;
}

int MainFrameWindow::UntitledOrNewDocument() {
    Document *current = Current();
    return current && !current->IsModified() && current->IsUntitled() ? CurrentIndex() : NewDocument();
}

bool MainFrameWindow::Open(const char *requested) {
    const Path path = AbsolutePath(requested);
    const std::string key = LauncherKey(path.Extension());
    if (key == "prj")
        return OpenProjectFile(path);
    for (Subsystem *subsystem : subsystemList_) {
        const Subsystem::OpenResult result = subsystem->OpenFile(path);
        if (result != Subsystem::OpenResult::NotMine)
            return result == Subsystem::OpenResult::Opened;
    }

    const auto &launchers = Common().launchTable;
    auto launcher = launchers.find(key);
    if (launcher == launchers.end())
        launcher = launchers.find("*");
    if (launcher != launchers.end()) {
        const std::string parameters = "\"" + std::string(path.Full()) + "\"";
        Desktop::Get().ShellOpen(GetHandle(), "open", launcher->second.c_str(), parameters.c_str(), path.DirectoryPart(),
                                 SW_SHOWNORMAL);
        return true;
    }

    const int open = documents_.IndexOfPath(path.Full());
    if (open >= 0) {
        Select(open);
        return true;
    }

    FILE *probe = std::fopen(path.Full(), "rb");
    if (!probe) {
        TellCannotOpen(GetHandle(), "couldn't open file.", path.Full());
        return false;
    }
    std::fclose(probe);

    const int before = CurrentIndex();
    const int index = UntitledOrNewDocument();
    const bool reused = index == before;
    Document *document = documents_.At(index);
    if (!document)
        return false;
    document->path = path;
    SetCurrentDirectoryA(path.DirectoryPart());
    const ProjectQuery *project = Find<ProjectQuery>();
    document->inProject = project && project->ContainsFile(path.Full());
    document->Configure();
    if (!document->ReadFile(path.Full())) {
        // Part of a file must never pass for the file: a save would cut it short.
        TellCannotOpen(GetHandle(), "couldn't read file.", path.Full());
        if (reused) {
            document->ResetEmpty(FileTypes::Hsp, Common().defaultDirectory);
            RefreshDocumentTexts(index);
        } else {
            document->SetModified(false);
            Close(index);
        }
        return false;
    }
    Select(index);
    document->GotoPos(0);
    document->EmptyUndoBuffer();
    document->SetSavePoint();
    document->SetModified(false);
    RefreshDocumentTexts(index);
    return true;
}

bool MainFrameWindow::OpenProjectFile(const Path &path) {
    ProjectQuery *project = Find<ProjectQuery>();
    if (!project || !project->OpenProject(path.Full()))
        return false;
    const std::string startup = project->StartupFile();
    if (startup.empty() || GetFileAttributesA(startup.c_str()) == INVALID_FILE_ATTRIBUTES)
        return true;
    if (Path(startup.c_str()).FileType() == FileTypes::Project)
        return true;
    Open(startup.c_str());
    return true;
}

void MainFrameWindow::RefreshProjectMembership() {
    const ProjectQuery *project = Find<ProjectQuery>();
    for (int i = 0; i < documents_.Count(); ++i) {
        Document *document = documents_.At(i);
        if (document->IsUntitled() || GetFileAttributesA(document->path.Full()) == INVALID_FILE_ATTRIBUTES)
            continue;
        document->inProject = project && project->ContainsFile(document->path.Full());
        document->Configure();
    }
    if (Document *pane = documents_.SplitPane()) {
        if (Document *shown = documents_.At(documents_.SplitIndex()))
            pane->inProject = shown->inProject;
        pane->Configure();
    }
    RefreshTitle();
}

bool MainFrameWindow::Reload(int index) {
    Document *document = documents_.At(index);
    if (!document || document->IsUntitled())
        return false;
    if (document->IsModified()) {
        const std::string text = std::string(document->path.FilePart()) + "\r\n" + "このファイルは変更されています。" + "\r\n" +
                                 "再読込すると変更内容が破棄されますが、よろしいですか？";
        if (Ask(GetHandle(), text.c_str(), MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
            return false;
    }
    const Path kept = document->path;
    const bool wasModified = document->IsModified();
    Select(index);
    document->path.Clear();
    document->SetModified(false);
    if (Open(kept.Full()))
        return true;
    // The file is gone or unreadable: the text stays, and so does the name it belongs to.
    if (Document *still = documents_.At(index)) {
        still->path = kept;
        still->SetModified(wasModified);
        RefreshDocumentTexts(index);
    }
    return false;
}

bool MainFrameWindow::WriteDocument(Document &document, const char *path) {
    const FileBytes::Outcome outcome = document.WriteFile(path);
    if (outcome.saved)
        return true;
    std::string text = std::string(path) + "\r\n" + "このファイルに保存できませんでした";
    if (!outcome.kept.empty())
        text += std::string("\r\n") + "保存した内容は次のファイルに残っています：" + "\r\n" + outcome.kept;
    Tell(GetHandle(), {"couldn't save file. failed to open file as wb mode.", path, text.c_str(), MB_ICONERROR,
                       ReportLevel::Warning});
    if (!outcome.kept.empty())
        Log().Warn("%s [%s]", "the saved text was left in", outcome.kept.c_str());
    return false;
}

bool MainFrameWindow::Save(int index) {
    Document *document = documents_.At(index);
    if (!document)
        return false;
    if (document->IsUntitled())
        return SaveAs(index);
    if (!WriteDocument(*document, document->path.Full()))
        return false;
    document->SetSavePoint();
    return true;
}

bool MainFrameWindow::SaveAs(int index) {
    Document *document = documents_.At(index);
    if (!document)
        return false;
    char file[MAX_PATH] = "";
    lstrcpynA(file, document->path.FilePart(), MAX_PATH);
    const std::string directory = document->path.DirectoryPart();
    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = GetHandle();
    request.lpstrFilter = SaveFilter();
    request.lpstrFile = file;
    request.nMaxFile = MAX_PATH;
    request.lpstrInitialDir = directory.c_str();
    request.lpstrTitle = "名前を付けて保存";
    request.lpstrDefExt = "hss";
    request.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    if (!Desktop::Get().SaveFileDialog(request))
        return false;
    document->path = AbsolutePath(file);
    RefreshDocumentTexts(index);
    document->Configure();
    if (Document *pane = documents_.SplitPane(); pane && documents_.SplitIndex() == index) {
        pane->path = document->path;
        pane->Configure();
    }
    if (!WriteDocument(*document, document->path.Full()))
        return false;
    document->SetSavePoint();
    RefreshDocumentTexts(index);
    if (index == CurrentIndex()) {
        SetCurrentDirectoryA(document->path.DirectoryPart());
        pathField_.SetText(document->path.Full());
    }
    return true;
}

bool MainFrameWindow::Close(int index) {
    Document *document = documents_.At(index);
    if (!document)
        return true;
    if (document->IsModified()) {
        const std::string text = std::string(document->path.FilePart()) + "\r\n" + "このファイルは変更されています。保存しますか？";
        const int answer = Ask(GetHandle(), text.c_str(), MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3);
        if (answer == IDCANCEL)
            return false;
        if (answer == IDYES && !Save(index))
            return false;
    }
    if (documents_.Count() == 1) {
        document->ResetEmpty(FileTypes::Hsp, Common().defaultDirectory);
        RefreshDocumentTexts(0);
        Select(0);
        return true;
    }
    const int current = CurrentIndex();
    documents_.Remove(index);
    documents_.DeleteItem(index);
    int next = current;
    if (index < current)
        next = current - 1;
    else if (index == current)
        next = index < documents_.Count() ? index : documents_.Count() - 1;
    documents_.SetCurrentIndex(-1);
    HMENU list = menuBar_.Submenu(MainMenuBar::DocumentList);
    DeleteMenu(list, IDM_DOCUMENT_FIRST + documents_.Count(), MF_BYCOMMAND);
    RebuildDocumentMenu();
    Select(next);
    return true;
}

bool MainFrameWindow::CloseAll() {
    while (documents_.Count() > 1) {
        if (!Close(CurrentIndex()))
            return false;
    }
    return Close(CurrentIndex());
}

void MainFrameWindow::Select(int index) {
    Document *document = documents_.At(index);
    if (!document)
        return;
    const int previous = CurrentIndex();
    documents_.SetCurrentIndex(index);
    documents_.SetCurSel(index);
    Layout();
    RefreshTitle();
    RefreshStatus();
    SetCurrentDirectoryA(document->path.DirectoryPart());
    pathField_.SetText(document->path.Full());
    document->Show(SW_SHOW);
    if (Document *old = documents_.At(previous); old && previous != index)
        old->Show(SW_HIDE);
    document->GrabFocus();
}

void MainFrameWindow::SetDocumentLanguage(int index, int language) {
    Document *document = documents_.At(index);
    if (!document || document->Language() == language)
        return;
    document->SetLanguage(language);
    document->Configure();
    if (Document *pane = documents_.SplitPane(); pane && documents_.SplitIndex() == index) {
        pane->SetLanguage(language);
        pane->Configure();
    }
}

void MainFrameWindow::RefreshDocumentTexts(int index) {
    Document *document = documents_.At(index);
    if (!document)
        return;
    documents_.SetItemText(index, document->TabText().c_str());
    ModifyMenuA(menuBar_.Submenu(MainMenuBar::DocumentList), IDM_DOCUMENT_FIRST + index, MF_BYCOMMAND | MF_STRING,
                IDM_DOCUMENT_FIRST + index, document->MenuText().c_str());
    if (index == CurrentIndex())
        RefreshTitle();
}

void MainFrameWindow::RebuildDocumentMenu() {
    HMENU list = menuBar_.Submenu(MainMenuBar::DocumentList);
    for (int i = 0; i < documents_.Count(); ++i)
        ModifyMenuA(list, IDM_DOCUMENT_FIRST + i, MF_BYCOMMAND | MF_STRING, IDM_DOCUMENT_FIRST + i,
                    documents_.At(i)->MenuText().c_str());
}

void MainFrameWindow::RefreshTitle() {
    Document *document = Current();
    if (!document)
        return;
    // The project's name leads while its pane is shown and the named document belongs to it.
    const ProjectQuery *project = Find<ProjectQuery>();
    std::string name;
    if (project && project->PaneShown() && !document->IsUntitled() && project->ContainsFile(document->path.Full()))
        name = project->ProjectName();
    SetWindowTextA(GetHandle(), document->Title(name.c_str()).c_str());
}

void MainFrameWindow::ShowOpenDialog() {
    std::string files(8192, '\0');
    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = GetHandle();
    request.lpstrFilter = openFilter;
    request.lpstrFile = &files[0];
    request.nMaxFile = static_cast<DWORD>(files.size());
    request.lpstrTitle = "ドキュメントを開く";
    request.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!Desktop::Get().OpenFileDialog(request))
        return;
    // One file: the full path. Several: the folder, then each name, all zero-separated.
    const char *first = files.c_str();
    const char *next = first + std::strlen(first) + 1;
    if (!*next) {
        Open(first);
        return;
    }
    std::string folder = first;
    if (!ShiftJis::EndsWithSeparator(folder))
        folder += '\\';
    for (; *next; next += std::strlen(next) + 1)
        Open((folder + next).c_str());
}

void MainFrameWindow::OpenDroppedFiles(HDROP drop) {
    SetForeground();
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        char file[MAX_PATH] = "";
        if (DragQueryFileA(drop, i, file, MAX_PATH))
            Open(file);
    }
    DragFinish(drop);
}
