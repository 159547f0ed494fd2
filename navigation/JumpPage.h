// A page of the jump dialog: a child dialog that the dialog asks to fill itself (refresh) and
// tells when it closes. Every page works on the target view: the view the user works in.
#pragma once

#include "framework/Dialog.h"

class Document;
class Workbench;
struct JumpMemory;

class JumpPage : public Dialog {
public:
    // The private messages of the jump dialog to its pages.
    static const UINT ClosingMessage = 0x8310;
    static const UINT RefreshMessage = 0x8312;

    JumpPage(int templateId, Workbench &workbench, JumpMemory &memory)
        : Dialog(templateId, false), workbench_(workbench), memory_(memory) {}

    virtual void Refresh() = 0;
    virtual void Closing() {}
    // The page was shown on its tab.
    virtual void Shown() {}

    LRESULT OnUserMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    INT_PTR OnShowWindow(BOOL shown, int status) override;

protected:
    Document *Target() const;
    // A notification's answer, where a dialog procedure must leave it.
    INT_PTR Answer(LRESULT result) const;
    // Moves the target view's caret to the line, centred, and gives it the focus.
    void GotoLineCentred(int line) const;

    Workbench &workbench_;
    JumpMemory &memory_;
};
