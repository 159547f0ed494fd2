#include "frame/MainMenuBar.h"

#include "framework/ShiftJis.h"
#include "resources/resource.h"

namespace {

const size_t itemTextSize = 128;

}

void MainMenuBar::Attach(HWND frame) {
    frame_ = frame;
    Reset(GetMenu(frame), true);
    context_.Create();
}

void MainMenuBar::EnableItem(UINT id, bool enabled) const {
    Enable(id, enabled);
    context_.Enable(id, enabled);
}

void MainMenuBar::CheckItem(UINT id, bool checked) const {
    Check(id, checked);
    context_.Check(id, checked);
}

void MainMenuBar::EnablePopup(Popup popup, bool enabled) const {
    EnableMenuItem(Handle(), static_cast<UINT>(popup), MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

std::string MainMenuBar::ItemText(int id) const {
    if (id == 0)
        return std::string(32, '-');
    char text[itemTextSize] = "";
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    if (!Handle() || !GetMenuItemInfoA(Handle(), static_cast<UINT>(id), FALSE, &info))
        return std::string();
    size_t end = 0;
    while (text[end] && text[end] != '(' && text[end] != '\t')
        end += ShiftJis::IsLeadByte(static_cast<unsigned char>(text[end])) && text[end + 1] ? 2 : 1;
    return std::string(text, end);
}

const std::vector<int> &MainMenuBar::DefaultContextMenu() {
    static const std::vector<int> items{IDM_UNDO, IDM_REDO, 0, IDM_CUT, IDM_COPY, IDM_PASTE, 0, IDM_SELECT_ALL};
    return items;
}

void MainMenuBar::RebuildContextMenu(const std::vector<int> &items) {
    const std::vector<int> &chosen = items.empty() ? DefaultContextMenu() : items;
    context_.Create();
    UINT position = 0;
    for (int id : chosen) {
        std::string text = ItemText(id);
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        if (id == 0) {
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_SEPARATOR;
        } else {
            info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
            info.fType = MFT_STRING;
            info.wID = static_cast<UINT>(id);
            info.dwTypeData = &text[0];
        }
        InsertMenuItemA(context_.Handle(), position++, TRUE, &info);
    }
}
