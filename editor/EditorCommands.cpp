#include "editor/EditorCommands.h"

#include "app/System.h"
#include "editor/CompletionSource.h"
#include "editor/Document.h"
#include "editor/EditCommands.h"
#include "editor/TypingAids.h"
#include "frame/CommandState.h"
#include "frame/Workbench.h"
#include "language/KeywordTables.h"
#include "resources/resource.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"

const CommandRoute<EditorCommands> EditorCommands::routes[] = {
    {IDM_UNDO, IDM_UNDO, &EditorCommands::OnEdit},
    {IDM_REDO, IDM_REDO, &EditorCommands::OnEdit},
    {IDM_CUT, IDM_PASTE, &EditorCommands::OnEdit},
    {IDM_SELECT_ALL, IDM_SELECT_ALL, &EditorCommands::OnEdit},
    {IDM_FIRST_LINE, IDM_LAST_COLUMN, &EditorCommands::OnEdit},
    {IDM_LOWER_CASE, IDM_UPPER_CASE, &EditorCommands::OnEdit},
    {IDM_INSERT_SEMICOLON_COMMENT, IDM_INSERT_SEMICOLON_COMMENT, &EditorCommands::OnEditText},
    {IDM_REMOVE_SEMICOLON_COMMENT, IDM_REMOVE_SEMICOLON_COMMENT, &EditorCommands::OnEditText},
    {IDM_INSERT_SLASH_COMMENT, IDM_INSERT_BLOCK_COMMENT, &EditorCommands::OnEditText},
    {IDM_INSERT_NULL, IDM_INSERT_NULL, &EditorCommands::OnEditText},
    {IDM_TABS_TO_SPACES, IDM_TABS_TO_SPACES, &EditorCommands::OnEditText},
    {IDM_CODE_COMPLETE, IDM_CODE_COMPLETE, &EditorCommands::OnCodeComplete},
    {IDM_CODE_TIP, IDM_CODE_TIP, &EditorCommands::OnCodeTip},
};

bool EditorCommands::OnCommand(UINT id) { return DispatchCommand(routes, *this, id); }

void EditorCommands::UpdateCommandState(CommandState &state) {
    state.Enable(IDM_UNDO, state.canUndo);
    state.Enable(IDM_REDO, state.canRedo);
    state.Enable(IDM_PASTE, state.canPaste);
    for (UINT id : {IDM_CUT, IDM_COPY, IDM_LOWER_CASE, IDM_UPPER_CASE})
        state.Enable(id, state.hasSelection);
}

void EditorCommands::OnEdit(UINT id) {
    Document *view = workbench_.ActiveView();
    if (!view)
        return;
    switch (id) {
    case IDM_UNDO: view->Undo(); break;
    case IDM_REDO: view->Redo(); break;
    case IDM_CUT: view->Cut(); break;
    case IDM_COPY: view->Copy(); break;
    case IDM_PASTE: view->Paste(); break;
    case IDM_SELECT_ALL: view->SelectAll(); break;
    case IDM_FIRST_LINE: view->GotoLine(0); break;
    case IDM_LAST_LINE: view->GotoLine(view->GetLineCount() - 1); break;
    case IDM_FIRST_COLUMN: view->VCHome(); break;
    case IDM_LAST_COLUMN: view->LineEnd(); break;
    case IDM_LOWER_CASE: view->LowerCase(); break;
    case IDM_UPPER_CASE: view->UpperCase(); break;
    default: break;
    }
}

void EditorCommands::OnEditText(UINT id) {
    Document *view = workbench_.ActiveView();
    if (!view)
        return;
    EditCommands commands(*view);
    switch (id) {
    case IDM_INSERT_SEMICOLON_COMMENT: commands.InsertLinePrefix(";"); break;
    case IDM_REMOVE_SEMICOLON_COMMENT: commands.RemoveSemicolonComments(); break;
    case IDM_INSERT_SLASH_COMMENT: commands.InsertLinePrefix("// "); break;
    case IDM_INSERT_BLOCK_COMMENT: commands.InsertBlockComment(); break;
    case IDM_INSERT_NULL: commands.InsertNullCharacter(); break;
    case IDM_TABS_TO_SPACES: commands.TabsToSpaces(System::Get().Settings().Common().indentSize); break;
    default: break;
    }
}

void EditorCommands::OnCodeComplete(UINT) {
    Document *view = workbench_.ActiveView();
    if (!view)
        return;
    const std::string &list = KeywordTables::Shared().CompletionList(view->inProject);
    CompletionSource *source = workbench_.Find<CompletionSource>();
    TypingAids::CodeComplete(*view, source ? source->CompletionList(*view, list) : list);
}

void EditorCommands::OnCodeTip(UINT) {
    if (Document *view = workbench_.ActiveView())
        TypingAids::For(*view, workbench_.Find<CompletionSource>()).CallTip(true);
}
