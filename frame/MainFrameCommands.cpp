// The main frame's command dispatch: its own table, then each part's, and the menu state that
// keeps the menus in step with the current document.
#include "frame/MainFrameWindow.h"

#include <shlwapi.h>

#include "Scintilla.h"

#include <string>

#include "app/System.h"
#include "editor/EditControlId.h"
#include "frame/CommandState.h"
#include "frame/VersionDialog.h"
#include "framework/Desktop.h"
#include "framework/ProgramDirectory.h"
#include "language/FileTypes.h"
#include "language/KeywordTables.h"
#include "log/Logger.h"
#include "project/ProjectQuery.h"
#include "resources/resource.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"

namespace {

const char webSite[] = "https://tamborel.example.jp/";

struct LogLevelItem {
    UINT id;
    int letter;
    unsigned short level;
};
const LogLevelItem logLevels[] = {{IDM_LOG_DEBUG, 'D', 5}, {IDM_LOG_INFORMATION, 'I', 4}, {IDM_LOG_WARNING, 'W', 3},
                                  {IDM_LOG_ERROR, 'E', 2}, {IDM_LOG_FATAL, 'F', 1}};

}

const CommandRoute<MainFrameWindow> MainFrameWindow::routes[] = {
    {IDM_NEW, IDM_NEW, &MainFrameWindow::OnNew},
    {IDM_OPEN, IDM_OPEN, &MainFrameWindow::OnOpen},
    {IDM_RELOAD, IDM_RELOAD, &MainFrameWindow::OnReload},
    {IDM_OPEN_SOURCE_FOLDER, IDM_OPEN_SOURCE_FOLDER, &MainFrameWindow::OnOpenSourceFolder},
    {IDM_SAVE, IDM_SAVE, &MainFrameWindow::OnSave},
    {IDM_SAVE_AS, IDM_SAVE_AS, &MainFrameWindow::OnSaveAs},
    {IDM_EXIT, IDM_EXIT, &MainFrameWindow::OnExit},
    {IDM_SPLIT_HORIZONTAL, IDM_SPLIT_VERTICAL, &MainFrameWindow::OnSplit},
    {IDM_VIEW_MENUBAR, IDM_VIEW_VSCROLLBAR, &MainFrameWindow::OnToggle},
    {IDM_VIEW_TOPMOST, IDM_VIEW_TOPMOST, &MainFrameWindow::OnToggle},
    {IDM_LANGUAGE_HSP, IDM_LANGUAGE_HTML, &MainFrameWindow::OnLanguage},
    {IDM_LANGUAGE_CSV, IDM_LANGUAGE_CSV, &MainFrameWindow::OnLanguage},
    {IDM_LANGUAGE_TSV, IDM_LANGUAGE_XML, &MainFrameWindow::OnLanguage},
    {IDM_NEXT_DOCUMENT, IDM_PREVIOUS_DOCUMENT, &MainFrameWindow::OnNextDocument},
    {IDM_CLOSE_DOCUMENT, IDM_CLOSE_DOCUMENT, &MainFrameWindow::OnCloseDocument},
    {IDM_CLOSE_ALL, IDM_CLOSE_ALL, &MainFrameWindow::OnCloseAll},
    {IDM_CLOSE_THIS_DOCUMENT, IDM_CLOSE_THIS_DOCUMENT, &MainFrameWindow::OnCloseContext},
    {IDM_LEXER_UPDATE, IDM_LEXER_UPDATE, &MainFrameWindow::OnLexerUpdate},
    {IDM_LOG_DEBUG, IDM_LOG_FATAL, &MainFrameWindow::OnLogLevel},
    {IDM_ABOUT, IDM_ABOUT, &MainFrameWindow::OnAbout},
    {IDM_WEB_SITE, IDM_WEB_SITE, &MainFrameWindow::OnWebSite},
    {IDM_VERSION, IDM_VERSION, &MainFrameWindow::OnVersion},
    {IDM_DOCUMENT_FIRST, IDM_DOCUMENT_FIRST + 9999, &MainFrameWindow::OnDocumentList},
};

LRESULT MainFrameWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    // The edit controls' and the path field's own notifications are not commands. The split
    // pane's focus notice comes through its frame, not the tab strip: record it here too, so that
    // commands from menus and dialogs go to the view the user last worked in.
    if (id == EditControlId || id == PathFieldId) {
        if (id == EditControlId && HIWORD(wParam) == SCEN_SETFOCUS)
            documents_.NoteFocus(reinterpret_cast<HWND>(lParam));
        return OverlappedWindow::OnCommand(wParam, lParam);
    }
    if (DispatchCommand(routes, *this, id))
        return 0;
    for (Subsystem *subsystem : subsystemList_)
        if (subsystem->OnCommand(id))
            return 0;
    return OverlappedWindow::OnCommand(wParam, lParam);
}

CommandState MainFrameWindow::MenuState() {
    CommandState state(Current(), ActiveView(), true);
    UpdateFrameState(state);
    for (Subsystem *subsystem : subsystemList_)
        subsystem->UpdateCommandState(state);
    return state;
}

void MainFrameWindow::RefreshMenuState() {
    if (Current())
        MenuState().ApplyToMenus(menuBar_);
}

void MainFrameWindow::UpdateFrameState(CommandState &state) {
    const Document *document = Current();
    if (!document)
        return;
    state.Enable(IDM_SAVE, state.untitled || state.modified);
    if (!state.forMenus)
        return;
    state.Enable(IDM_RELOAD, !state.untitled);
    for (int i = 0; i < FileTypes::languageCommandCount; ++i) {
        const int command = FileTypes::languageCommands[i];
        state.Check(static_cast<UINT>(command), FileTypes::CommandOf(document->Language()) == command);
    }
    for (const LogLevelItem &level : logLevels)
        state.Check(level.id, Common().logLevel == level.letter);
    for (int i = 0; i < documents_.Count(); ++i)
        state.Check(IDM_DOCUMENT_FIRST + static_cast<UINT>(i), i == documents_.CurrentIndex());
}

void MainFrameWindow::OnNew(UINT) { Select(NewDocument()); }
void MainFrameWindow::OnOpen(UINT) { ShowOpenDialog(); }
void MainFrameWindow::OnReload(UINT) { Reload(CurrentIndex()); }

void MainFrameWindow::OnSave(UINT) {
    Document *document = Current();
    if (document && (document->IsModified() || document->IsUntitled()))
        Save(CurrentIndex());
}

void MainFrameWindow::OnSaveAs(UINT) { SaveAs(CurrentIndex()); }
void MainFrameWindow::OnExit(UINT) { SendMessageA(GetHandle(), WM_CLOSE, 0, 0); }

void MainFrameWindow::OnOpenSourceFolder(UINT) {
    Document *document = Current();
    if (document && PathIsDirectoryA(document->path.DirectoryPart()))
        Desktop::Get().ShellOpen(GetHandle(), "open", document->path.DirectoryPart(), nullptr, nullptr, SW_SHOWNORMAL);
}

void MainFrameWindow::OnSplit(UINT id) {
    documents_.ToggleSplit(id == IDM_SPLIT_HORIZONTAL ? 1 : 0, splitFrame_.GetHandle());
    Layout();
}

void MainFrameWindow::OnToggle(UINT id) {
    LexerCommon &common = Common();
    switch (id) {
    case IDM_VIEW_MENUBAR: common.menubarVisible = !common.menubarVisible; break;
    case IDM_VIEW_STATUSBAR: common.statusbarVisible = !common.statusbarVisible; break;
    case IDM_VIEW_TOOLBAR: common.toolbarVisible = !common.toolbarVisible; break;
    case IDM_VIEW_TOOLTIP: common.tooltipVisible = !common.tooltipVisible; break;
    case IDM_VIEW_HSCROLLBAR: common.horizontalScrollbarVisible = !common.horizontalScrollbarVisible; break;
    case IDM_VIEW_VSCROLLBAR: common.verticalScrollbarVisible = !common.verticalScrollbarVisible; break;
    case IDM_VIEW_TOPMOST: common.alwaysTopMost = !common.alwaysTopMost; break;
    default: return;
    }
    common.SetModified();
    ApplyVisibility();
    if (id != IDM_VIEW_TOOLTIP && id != IDM_VIEW_TOPMOST)
        Layout();
}

void MainFrameWindow::OnLanguage(UINT id) { SetDocumentLanguage(CurrentIndex(), FileTypes::CodeOfCommand(static_cast<int>(id))); }

void MainFrameWindow::OnNextDocument(UINT id) {
    const int count = documents_.Count();
    if (count == 0)
        return;
    const int step = id == IDM_NEXT_DOCUMENT ? 1 : count - 1;
    Select((CurrentIndex() + step) % count);
}

void MainFrameWindow::OnCloseDocument(UINT) { Close(CurrentIndex()); }
void MainFrameWindow::OnCloseAll(UINT) { CloseAll(); }

void MainFrameWindow::OnCloseContext(UINT) {
    if (documents_.ContextIndex() >= 0)
        Close(documents_.ContextIndex());
}

void MainFrameWindow::OnLexerUpdate(UINT) {
    const ProjectQuery *project = Find<ProjectQuery>();
    KeywordTables::Shared().ReloadKeywords(project ? project->KeywordFiles() : nullptr);
    RefreshProjectMembership();
}

void MainFrameWindow::OnLogLevel(UINT id) {
    for (const LogLevelItem &level : logLevels) {
        if (level.id != id)
            continue;
        LexerCommon &common = Common();
        common.logLevel = level.letter;
        common.SetModified();
        System::Get().GetLogger().level = level.level;
    }
}

void MainFrameWindow::OnAbout(UINT) {
    const std::string page = std::string(ProgramDirectory()) + "Tamborel.html";
    Desktop::Get().ShellOpen(GetHandle(), "open", page.c_str(), nullptr, ProgramDirectory(), SW_SHOWNORMAL);
}

void MainFrameWindow::OnWebSite(UINT) { Desktop::Get().ShellOpen(GetHandle(), "open", webSite, nullptr, nullptr, SW_SHOWNORMAL); }
void MainFrameWindow::OnVersion(UINT) { dialogs_.Open<VersionDialog>(GetHandle()); }

void MainFrameWindow::OnDocumentList(UINT id) {
    const int index = static_cast<int>(id - IDM_DOCUMENT_FIRST);
    if (index < documents_.Count())
        Select(index);
}
