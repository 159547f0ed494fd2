// One page of the settings dialog: a child dialog laid over a tab's display area. The dialog
// sends every page ApplyMessage when OK is pressed and CloseMessage when it closes without
// applying. A page writes a setting only when its control's value differs from it, and then
// marks the section modified; the files are written at exit like any other change.
#pragma once

#include "framework/Dialog.h"

class SettingPage : public Dialog {
public:
    static const UINT CloseMessage = 0x8310;
    static const UINT ApplyMessage = 0x8311;

    explicit SettingPage(int templateId) : Dialog(templateId, false) {}

    // Creates the page, hidden, as a child of parent over area (parent's client coordinates),
    // next after the tab control in the parent's z-order, so that it follows the tabs in the
    // keyboard order (the tab control clips its siblings, so it does not paint over the page).
    bool CreateOver(HWND parent, HWND tab, const RECT &area);
    LRESULT OnUserMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    virtual void Apply() = 0;
    // Nothing reaches the settings before Apply; pages that hold copies drop them here.
    virtual void Discard() {}
};
