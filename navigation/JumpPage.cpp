#include "navigation/JumpPage.h"

#include "Scintilla.h"

#include "editor/Document.h"
#include "frame/Workbench.h"

LRESULT JumpPage::OnUserMessage(UINT message, WPARAM, LPARAM) {
    if (message == RefreshMessage)
        Refresh();
    else if (message == ClosingMessage)
        Closing();
    else
        return 0;
    return 1;
}

INT_PTR JumpPage::OnShowWindow(BOOL shown, int) {
    if (shown)
        Shown();
    return 0;
}

Document *JumpPage::Target() const { return workbench_.ActiveView(); }

INT_PTR JumpPage::Answer(LRESULT result) const {
    SetWindowLongPtrA(GetHandle(), DWLP_MSGRESULT, result);
    return TRUE;
}

void JumpPage::GotoLineCentred(int line) const {
    Document *target = Target();
    if (!target)
        return;
    target->GotoLine(line);
    target->SetYCaretPolicy(CARET_STRICT | CARET_EVEN, 0);
    target->GotoLine(line);
    target->ScrollCaret();
    target->SetYCaretPolicy(CARET_EVEN, 0);
    target->GrabFocus();
}
