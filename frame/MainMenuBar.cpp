#include "frame/MainMenuBar.h"

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
