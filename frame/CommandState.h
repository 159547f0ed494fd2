// What the menus and the tool bar show as enabled and checked, worked out once from the current
// document and the view the user works in, completed by each part of the program, then applied:
// to the menus when one opens (and to the edit context menu), to the tool bar at every refresh.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

class Document;
class MainMenuBar;
class MainToolBar;

class CommandState {
public:
    // current: the current document; view: where the user works (the split pane or current).
    CommandState(const Document *current, const Document *view, bool forMenus);

    const bool forMenus;
    bool hasDocument = false;
    bool untitled = false;
    bool modified = false;
    bool canUndo = false;
    bool canRedo = false;
    bool canPaste = false;
    bool hasSelection = false;

    void Enable(UINT id, bool enabled);
    void Check(UINT id, bool checked);
    void EnableRange(UINT first, UINT last, bool enabled);
    // A whole popup of the main menu by position.
    void EnablePopup(int position, bool enabled);

    // The last word said about an id: -1 when nothing was said.
    int Enabled(UINT id) const;
    int Checked(UINT id) const;

    void ApplyToMenus(const MainMenuBar &bar) const;
    void ApplyToToolBar(const MainToolBar &bar) const;

private:
    static int Lookup(const std::vector<std::pair<UINT, bool>> &said, UINT id);

    std::vector<std::pair<UINT, bool>> enabled_;
    std::vector<std::pair<UINT, bool>> checked_;
    std::vector<std::pair<int, bool>> popups_;
};
