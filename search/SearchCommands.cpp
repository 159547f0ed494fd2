#include "search/SearchCommands.h"

#include "editor/Document.h"
#include "frame/Workbench.h"
#include "framework/DialogManager.h"
#include "resources/resource.h"
#include "search/DocumentSearch.h"
#include "search/SearchDialog.h"

const CommandRoute<SearchCommands> SearchCommands::routes[] = {
    {IDM_FIND, IDM_FIND, &SearchCommands::OnFind},
    {IDM_REPLACE, IDM_REPLACE, &SearchCommands::OnFind},
    {IDM_FIND_NEXT, IDM_FIND_PREVIOUS, &SearchCommands::OnFindAgain},
};

bool SearchCommands::OnCommand(UINT id) { return DispatchCommand(routes, *this, id); }

void SearchCommands::OnFind(UINT id) {
    state_.mode = id == IDM_REPLACE ? SearchState::Replace : SearchState::Find;
    ShowDialog();
}

// Without a keyword (an empty one never searches) the dialog opens in find mode instead, set to
// the key's direction.
void SearchCommands::OnFindAgain(UINT id) {
    const bool downward = id == IDM_FIND_NEXT;
    if (state_.history.empty() || state_.history.back().empty()) {
        state_.mode = SearchState::Find;
        state_.downward = downward;
        ShowDialog();
        return;
    }
    if (Document *view = workbench_.ActiveView())
        DocumentSearch::FindInDocument(*view, downward, state_.history.back(), state_.Flags());
}

void SearchCommands::ShowDialog() {
    if (SearchDialog *open = workbench_.Dialogs().OpenModeless<SearchDialog>()) {
        open->Reactivate();
        open->SetFocus();
        return;
    }
    workbench_.Dialogs().Open<SearchDialog>(workbench_.Handle(), state_, workbench_);
}
