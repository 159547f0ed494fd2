// The main frame's document operations: new, open, reload, save, close and select.
#include "frame/MainFrameWindow.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "app/System.h"
#include "framework/Desktop.h"
#include "language/FileTypes.h"
#include "log/Logger.h"
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
std::string LauncherKey(const char *extension) {
    std::string key = extension[0] == '.' ? extension + 1 : extension;
    for (char &c : key)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return key;
}

Logger &Log() { return System::Get().GetLogger(); }

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

bool MainFrameWindow::Open(const char *requested) {
    char canonical[MAX_PATH] = "";
    if (!requested || !PathCanonicalizeA(canonical, requested))
        lstrcpynA(canonical, requested ? requested : "", MAX_PATH);
    const Path path(canonical);

    const std::string key = LauncherKey(path.Extension());
    if (key != "prj") {
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
    }

    const int open = documents_.IndexOfPath(path.Full());
    if (open >= 0) {
        Select(open);
        return true;
    }

    FILE *probe = std::fopen(path.Full(), "rb");
    if (!probe) {
        Log().Warn("%s [%s]", "couldn't open file.", path.Full());
        const std::string text = std::string(path.Full()) + "\r\n" + "このファイルを開けませんでした";
        Ask(GetHandle(), text.c_str(), MB_ICONERROR);
        return false;
    }
    std::fclose(probe);

    Document *current = Current();
    int index = current && !current->IsModified() && current->IsUntitled() ? documents_.current : NewDocument();
    Document *document = documents_.At(index);
    if (!document)
        return false;
    document->path = path;
    SetCurrentDirectoryA(path.DirectoryPart());
    document->inProject = false;
    document->Configure();
    if (!document->ReadFile(path.Full())) {
        Log().Warn("%s [%s]", "couldn't read file.", path.Full());
        const std::string text = std::string(path.Full()) + "\r\n" + "このファイルを開けませんでした";
        Ask(GetHandle(), text.c_str(), MB_ICONERROR);
    }
    Select(index);
    document->GotoPos(0);
    document->EmptyUndoBuffer();
    document->SetSavePoint();
    document->SetModified(false);
    RefreshDocumentTexts(index);
    return true;
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
    document->path = kept;
    document->SetModified(wasModified);
    RefreshDocumentTexts(index);
    return false;
}

bool MainFrameWindow::WriteDocument(Document &document, const char *path) {
    if (document.WriteFile(path))
        return true;
    Log().Warn("%s [%s]", "couldn't save file. failed to open file as wb mode.", path);
    const std::string text = std::string(path) + "\r\n" + "このファイルに保存できませんでした";
    Ask(GetHandle(), text.c_str(), MB_ICONERROR);
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
    document->path.Set(file);
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
    if (index == documents_.current) {
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
    const int current = documents_.current;
    documents_.Remove(index);
    documents_.DeleteItem(index);
    int next = current;
    if (index < current)
        next = current - 1;
    else if (index == current)
        next = index < documents_.Count() ? index : documents_.Count() - 1;
    documents_.current = -1;
    HMENU list = menuBar_.Submenu(MainMenuBar::DocumentList);
    DeleteMenu(list, IDM_DOCUMENT_FIRST + documents_.Count(), MF_BYCOMMAND);
    RebuildDocumentMenu();
    Select(next);
    return true;
}

bool MainFrameWindow::CloseAll() {
    while (documents_.Count() > 1) {
        if (!Close(documents_.current))
            return false;
    }
    return Close(documents_.current);
}

void MainFrameWindow::Select(int index) {
    Document *document = documents_.At(index);
    if (!document)
        return;
    const int previous = documents_.current;
    documents_.current = index;
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
    if (index == documents_.current)
        RefreshTitle();
}

void MainFrameWindow::RebuildDocumentMenu() {
    HMENU list = menuBar_.Submenu(MainMenuBar::DocumentList);
    for (int i = 0; i < documents_.Count(); ++i)
        ModifyMenuA(list, IDM_DOCUMENT_FIRST + i, MF_BYCOMMAND | MF_STRING, IDM_DOCUMENT_FIRST + i,
                    documents_.At(i)->MenuText().c_str());
}

void MainFrameWindow::RefreshTitle() {
    if (Document *document = Current())
        SetWindowTextA(GetHandle(), document->Title(nullptr).c_str());
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
    if (!folder.empty() && folder.back() != '\\')
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
