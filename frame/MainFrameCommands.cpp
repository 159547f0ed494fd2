// The main frame's command dispatch: one table from command ids to handlers, and the menu state
// refresh that keeps the menus in step with the current document.
#include "frame/MainFrameWindow.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <string>

#include "Scintilla.h"

#include "app/System.h"
#include "editor/EditCommands.h"
#include "editor/EditControlId.h"
#include "editor/TypingAids.h"
#include "framework/Desktop.h"
#include "framework/DialogManager.h"
#include "framework/ProgramDirectory.h"
#include "language/FileTypes.h"
#include "language/KeywordTables.h"
#include "log/Logger.h"
#include "resources/resource.h"
#include "settings/LexerCommon.h"
#include "settings/LexerHsp.h"
#include "settings/Setting.h"

namespace {
const char webSite[] = "https://tamborel.example.jp/";
}

struct MainFrameCommands {
    using Handler = void (*)(MainFrameWindow &frame, UINT id);
    struct Route {
        UINT first;
        UINT last;
        Handler handler;
    };

    static Document *Current(MainFrameWindow &frame) { return frame.Current(); }

    static void New(MainFrameWindow &frame, UINT) { frame.Select(frame.NewDocument()); }
    static void OpenDialog(MainFrameWindow &frame, UINT) { frame.ShowOpenDialog(); }
    static void Reload(MainFrameWindow &frame, UINT) { frame.Reload(frame.CurrentIndex()); }
    static void Save(MainFrameWindow &frame, UINT) {
        Document *document = Current(frame);
        if (document && (document->IsModified() || document->IsUntitled()))
            frame.Save(frame.CurrentIndex());
    }
    static void SaveAs(MainFrameWindow &frame, UINT) { frame.SaveAs(frame.CurrentIndex()); }
    static void Exit(MainFrameWindow &frame, UINT) { SendMessageA(frame.GetHandle(), WM_CLOSE, 0, 0); }

    static void OpenSourceFolder(MainFrameWindow &frame, UINT) {
        Document *document = Current(frame);
        if (document && PathIsDirectoryA(document->path.DirectoryPart()))
            Desktop::Get().ShellOpen(frame.GetHandle(), "open", document->path.DirectoryPart(), nullptr, nullptr, SW_SHOWNORMAL);
    }
    static void OpenSampleFolder(MainFrameWindow &frame, UINT) {
        if (!frame.hspHomeValid_)
            return;
        const std::string folder = std::string(System::Get().Settings().Hsp().homeDirectory) + "sample\\";
        if (PathIsDirectoryA(folder.c_str()))
            Desktop::Get().ShellOpen(frame.GetHandle(), "open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }

    static void Edit(MainFrameWindow &frame, UINT id) {
        Document *document = Current(frame);
        if (!document)
            return;
        switch (id) {
        case IDM_UNDO: document->Undo(); break;
        case IDM_REDO: document->Redo(); break;
        case IDM_CUT: document->Cut(); break;
        case IDM_COPY: document->Copy(); break;
        case IDM_PASTE: document->Paste(); break;
        case IDM_SELECT_ALL: document->SelectAll(); break;
        case IDM_FIRST_LINE: document->GotoLine(0); break;
        case IDM_LAST_LINE: document->GotoLine(document->GetLineCount() - 1); break;
        case IDM_FIRST_COLUMN: document->VCHome(); break;
        case IDM_LAST_COLUMN: document->LineEnd(); break;
        case IDM_LOWER_CASE: document->LowerCase(); break;
        case IDM_UPPER_CASE: document->UpperCase(); break;
        default: break;
        }
    }

    static void EditText(MainFrameWindow &frame, UINT id) {
        Document *document = Current(frame);
        if (!document)
            return;
        EditCommands commands(*document);
        switch (id) {
        case IDM_INSERT_SEMICOLON_COMMENT: commands.InsertLinePrefix(";"); break;
        case IDM_REMOVE_SEMICOLON_COMMENT: commands.RemoveSemicolonComments(); break;
        case IDM_INSERT_SLASH_COMMENT: commands.InsertLinePrefix("// "); break;
        case IDM_INSERT_BLOCK_COMMENT: commands.InsertBlockComment(); break;
        case IDM_INSERT_NULL: commands.InsertNullCharacter(); break;
        case IDM_TABS_TO_SPACES: commands.TabsToSpaces(frame.Common().indentSize); break;
        default: break;
        }
    }

    static void CodeComplete(MainFrameWindow &frame, UINT) {
        if (Document *view = frame.ActiveView())
            TypingAids::CodeComplete(*view, KeywordTables::Shared().CompletionList(view->inProject));
    }
    static void CodeTip(MainFrameWindow &frame, UINT) {
        if (Document *view = frame.ActiveView())
            frame.TypingAidsFor(*view).CallTip(true);
    }

    static void Split(MainFrameWindow &frame, UINT id) {
        frame.documents_.ToggleSplit(id == IDM_SPLIT_HORIZONTAL ? 1 : 0, frame.splitFrame_.GetHandle());
        frame.Layout();
    }

    static void Toggle(MainFrameWindow &frame, UINT id) {
        LexerCommon &common = frame.Common();
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
        frame.ApplyVisibility();
        if (id != IDM_VIEW_TOOLTIP && id != IDM_VIEW_TOPMOST)
            frame.Layout();
    }

    static void Language(MainFrameWindow &frame, UINT id) {
        frame.SetDocumentLanguage(frame.CurrentIndex(), FileTypes::CodeOfCommand(static_cast<int>(id)));
    }

    static void NextDocument(MainFrameWindow &frame, UINT id) {
        const int count = frame.documents_.Count();
        if (count == 0)
            return;
        const int step = id == IDM_NEXT_DOCUMENT ? 1 : count - 1;
        frame.Select((frame.CurrentIndex() + step) % count);
    }

    static void CloseDocument(MainFrameWindow &frame, UINT) { frame.Close(frame.CurrentIndex()); }
    static void CloseAll(MainFrameWindow &frame, UINT) { frame.CloseAll(); }
    static void CloseContext(MainFrameWindow &frame, UINT) {
        if (frame.documents_.contextIndex >= 0)
            frame.Close(frame.documents_.contextIndex);
    }

    static void LexerUpdate(MainFrameWindow &frame, UINT) {
        KeywordTables::Shared().ReloadKeywords(nullptr);
        for (int i = 0; i < frame.documents_.Count(); ++i) {
            Document *document = frame.documents_.At(i);
            if (document->IsUntitled() || GetFileAttributesA(document->path.Full()) == INVALID_FILE_ATTRIBUTES)
                continue;
            document->inProject = false;
            document->Configure();
        }
        if (Document *pane = frame.documents_.SplitPane())
            pane->Configure();
    }

    static void LogLevel(MainFrameWindow &frame, UINT id) {
        static const struct {
            UINT id;
            int letter;
            unsigned short level;
        } levels[] = {{IDM_LOG_DEBUG, 'D', 5}, {IDM_LOG_INFORMATION, 'I', 4}, {IDM_LOG_WARNING, 'W', 3},
                      {IDM_LOG_ERROR, 'E', 2}, {IDM_LOG_FATAL, 'F', 1}};
        for (const auto &level : levels) {
            if (level.id != id)
                continue;
            LexerCommon &common = frame.Common();
            common.logLevel = level.letter;
            common.SetModified();
            System::Get().GetLogger().level = level.level;
        }
    }

    static void About(MainFrameWindow &frame, UINT) {
        const std::string page = std::string(ProgramDirectory()) + "Tamborel.html";
        Desktop::Get().ShellOpen(frame.GetHandle(), "open", page.c_str(), nullptr, ProgramDirectory(), SW_SHOWNORMAL);
    }
    static void WebSite(MainFrameWindow &frame, UINT) {
        Desktop::Get().ShellOpen(frame.GetHandle(), "open", webSite, nullptr, nullptr, SW_SHOWNORMAL);
    }
    static void Version(MainFrameWindow &frame, UINT) { frame.dialogs_->Open(IDD_VERSION, true, frame.GetHandle(), nullptr); }

    static void DocumentList(MainFrameWindow &frame, UINT id) {
        const int index = static_cast<int>(id - IDM_DOCUMENT_FIRST);
        if (index < frame.documents_.Count())
            frame.Select(index);
    }

    static const Route routes[];
    static const size_t routeCount;
};

const MainFrameCommands::Route MainFrameCommands::routes[] = {
    {IDM_NEW, IDM_NEW, New},
    {IDM_OPEN, IDM_OPEN, OpenDialog},
    {IDM_RELOAD, IDM_RELOAD, Reload},
    {IDM_OPEN_SOURCE_FOLDER, IDM_OPEN_SOURCE_FOLDER, OpenSourceFolder},
    {IDM_OPEN_SAMPLE_FOLDER, IDM_OPEN_SAMPLE_FOLDER, OpenSampleFolder},
    {IDM_SAVE, IDM_SAVE, Save},
    {IDM_SAVE_AS, IDM_SAVE_AS, SaveAs},
    {IDM_EXIT, IDM_EXIT, Exit},
    {IDM_UNDO, IDM_UNDO, Edit},
    {IDM_REDO, IDM_REDO, Edit},
    {IDM_CUT, IDM_PASTE, Edit},
    {IDM_SELECT_ALL, IDM_SELECT_ALL, Edit},
    {IDM_FIRST_LINE, IDM_LAST_COLUMN, Edit},
    {IDM_LOWER_CASE, IDM_UPPER_CASE, Edit},
    {IDM_INSERT_SEMICOLON_COMMENT, IDM_INSERT_SEMICOLON_COMMENT, EditText},
    {IDM_REMOVE_SEMICOLON_COMMENT, IDM_REMOVE_SEMICOLON_COMMENT, EditText},
    {IDM_INSERT_SLASH_COMMENT, IDM_INSERT_BLOCK_COMMENT, EditText},
    {IDM_INSERT_NULL, IDM_INSERT_NULL, EditText},
    {IDM_TABS_TO_SPACES, IDM_TABS_TO_SPACES, EditText},
    {IDM_CODE_COMPLETE, IDM_CODE_COMPLETE, CodeComplete},
    {IDM_CODE_TIP, IDM_CODE_TIP, CodeTip},
    {IDM_SPLIT_HORIZONTAL, IDM_SPLIT_VERTICAL, Split},
    {IDM_VIEW_MENUBAR, IDM_VIEW_VSCROLLBAR, Toggle},
    {IDM_VIEW_TOPMOST, IDM_VIEW_TOPMOST, Toggle},
    {IDM_LANGUAGE_HSP, IDM_LANGUAGE_HTML, Language},
    {IDM_LANGUAGE_CSV, IDM_LANGUAGE_CSV, Language},
    {IDM_LANGUAGE_TSV, IDM_LANGUAGE_XML, Language},
    {IDM_NEXT_DOCUMENT, IDM_PREVIOUS_DOCUMENT, NextDocument},
    {IDM_CLOSE_DOCUMENT, IDM_CLOSE_DOCUMENT, CloseDocument},
    {IDM_CLOSE_ALL, IDM_CLOSE_ALL, CloseAll},
    {IDM_CLOSE_THIS_DOCUMENT, IDM_CLOSE_THIS_DOCUMENT, CloseContext},
    {IDM_LEXER_UPDATE, IDM_LEXER_UPDATE, LexerUpdate},
    {IDM_LOG_DEBUG, IDM_LOG_FATAL, LogLevel},
    {IDM_ABOUT, IDM_ABOUT, About},
    {IDM_WEB_SITE, IDM_WEB_SITE, WebSite},
    {IDM_VERSION, IDM_VERSION, Version},
    {IDM_DOCUMENT_FIRST, IDM_DOCUMENT_FIRST + 9999, DocumentList},
};
const size_t MainFrameCommands::routeCount = sizeof routes / sizeof routes[0];

LRESULT MainFrameWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    // The edit controls' and the path field's own notifications are not commands. The split
    // pane's focus notice comes through its frame, not the tab strip: record it here too, so that
    // commands from menus and dialogs go to the view the user last worked in.
    if (id == EditControlId || id == PathFieldId) {
        if (id == EditControlId && HIWORD(wParam) == SCEN_SETFOCUS)
            documents_.focusedView = reinterpret_cast<HWND>(lParam);
        return OverlappedWindow::OnCommand(wParam, lParam);
    }
    for (size_t i = 0; i < MainFrameCommands::routeCount; ++i) {
        const MainFrameCommands::Route &route = MainFrameCommands::routes[i];
        if (id >= route.first && id <= route.last) {
            route.handler(*this, id);
            return 0;
        }
    }
    return OverlappedWindow::OnCommand(wParam, lParam);
}

void MainFrameWindow::RefreshMenuState() {
    Document *document = Current();
    if (!document)
        return;
    menuBar_.EnableItem(IDM_SAVE, document->IsUntitled() || document->IsModified());
    menuBar_.EnableItem(IDM_RELOAD, !document->IsUntitled());
    for (int i = 0; i < FileTypes::languageCommandCount; ++i) {
        const int command = FileTypes::languageCommands[i];
        menuBar_.CheckItem(static_cast<UINT>(command), FileTypes::CommandOf(document->Language()) == command);
    }
    static const struct {
        UINT id;
        int letter;
    } levels[] = {{IDM_LOG_DEBUG, 'D'}, {IDM_LOG_INFORMATION, 'I'}, {IDM_LOG_WARNING, 'W'}, {IDM_LOG_ERROR, 'E'}, {IDM_LOG_FATAL, 'F'}};
    for (const auto &level : levels)
        menuBar_.CheckItem(level.id, Common().logLevel == level.letter);
    menuBar_.CheckItem(IDM_HSP_DEBUG_WINDOW, System::Get().Settings().Hsp().enableDebugWindow);
    menuBar_.EnableItem(IDM_UNDO, document->CanUndo());
    menuBar_.EnableItem(IDM_REDO, document->CanRedo());
    menuBar_.EnableItem(IDM_PASTE, document->CanPaste());
    const bool selection = document->GetSelectionStart() != document->GetSelectionEnd();
    for (UINT id : {IDM_CUT, IDM_COPY, IDM_LOWER_CASE, IDM_UPPER_CASE})
        menuBar_.EnableItem(id, selection);
    menuBar_.EnableItem(IDM_REFERENCE_BACK, false);
    for (int i = 0; i < documents_.Count(); ++i)
        menuBar_.CheckItem(IDM_DOCUMENT_FIRST + static_cast<UINT>(i), i == documents_.current);
}
