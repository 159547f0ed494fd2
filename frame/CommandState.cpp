#include "frame/CommandState.h"

#include "editor/Document.h"
#include "frame/MainMenuBar.h"
#include "frame/MainToolBar.h"

CommandState::CommandState(const Document *current, const Document *view, bool menus) : forMenus(menus) {
    if (!current || !view)
        return;
    hasDocument = true;
    untitled = current->IsUntitled();
    modified = current->IsModified();
    canUndo = view->CanUndo();
    canRedo = view->CanRedo();
    canPaste = view->CanPaste();
    hasSelection = view->GetSelectionStart() != view->GetSelectionEnd();
}

void CommandState::Enable(UINT id, bool enabled) { enabled_.emplace_back(id, enabled); }
void CommandState::Check(UINT id, bool checked) { checked_.emplace_back(id, checked); }

void CommandState::EnableRange(UINT first, UINT last, bool enabled) {
    for (UINT id = first; id <= last; ++id)
        Enable(id, enabled);
}

void CommandState::EnablePopup(int position, bool enabled) { popups_.emplace_back(position, enabled); }

int CommandState::Lookup(const std::vector<std::pair<UINT, bool>> &said, UINT id) {
    for (auto it = said.rbegin(); it != said.rend(); ++it)
        if (it->first == id)
            return it->second ? 1 : 0;
    return -1;
}

int CommandState::Enabled(UINT id) const { return Lookup(enabled_, id); }
int CommandState::Checked(UINT id) const { return Lookup(checked_, id); }

void CommandState::ApplyToMenus(const MainMenuBar &bar) const {
    for (const auto &item : enabled_)
        bar.EnableItem(item.first, item.second);
    for (const auto &item : checked_)
        bar.CheckItem(item.first, item.second);
    for (const auto &popup : popups_)
        bar.EnablePopup(static_cast<MainMenuBar::Popup>(popup.first), popup.second);
}

void CommandState::ApplyToToolBar(const MainToolBar &bar) const {
    for (const auto &item : enabled_)
        bar.EnableButton(static_cast<int>(item.first), item.second);
}
