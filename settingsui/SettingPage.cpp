#include "settingsui/SettingPage.h"

bool SettingPage::CreateOver(HWND parent, HWND tab, const RECT &area) {
    if (!Run(parent))
        return false;
    SetWindowPos(GetHandle(), tab, area.left, area.top, area.right - area.left, area.bottom - area.top, SWP_HIDEWINDOW);
    return true;
}

LRESULT SettingPage::OnUserMessage(UINT message, WPARAM, LPARAM) {
    if (message != ApplyMessage && message != CloseMessage)
        return 0;
    if (message == ApplyMessage)
        Apply();
    else
        Discard();
    // A dialog procedure answers a sent message through DWLP_MSGRESULT.
    SetWindowLongPtrA(GetHandle(), DWLP_MSGRESULT, 1);
    return 1;
}
