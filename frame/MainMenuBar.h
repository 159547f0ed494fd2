// The main menu bar of the frame with its document list and client submenus, and the edit
// context menu. Enabling or checking a command acts on the bar and the context menu alike, so
// the two always agree.
#pragma once

#include <string>
#include <vector>

#include "frame/Menu.h"
#include "frame/PopupMenu.h"

class MainMenuBar : public Menu {
public:
    enum Popup { File, Edit, Search, View, HspPopup, DocumentList, ProjectPopup, Client, Reference, Editor, PopupCount };

    // Takes the bar the frame got from its window class.
    void Attach(HWND frame);
    HWND Frame() const { return frame_; }

    void EnableItem(UINT id, bool enabled) const;
    void CheckItem(UINT id, bool checked) const;
    // Enables or disables a whole popup of the bar.
    void EnablePopup(Popup popup, bool enabled) const;

    // The bar's text for a command without its access key and shortcut ("元に戻す" for
    // "元に戻す(&U)\t[Ctrl+Z]"); 32 hyphens for the separator (0); empty for an unknown id.
    std::string ItemText(int id) const;
    // Fills the context menu from a list of command ids (0: separator); an empty list gives the
    // default items.
    void RebuildContextMenu(const std::vector<int> &items);
    static const std::vector<int> &DefaultContextMenu();

    HMENU Submenu(Popup popup) const { return GetSubMenu(Handle(), popup); }
    PopupMenu &ContextMenu() { return context_; }
    const PopupMenu &ContextMenu() const { return context_; }

private:
    HWND frame_ = nullptr;
    PopupMenu context_;
};
