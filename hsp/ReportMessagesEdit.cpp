#include "hsp/ReportMessagesEdit.h"

#include "hsp/CompilerText.h"

LRESULT ReportMessagesEdit::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_LBUTTONDBLCLK || !onDoubleClick)
        return EditBox::Dispatch(message, wParam, lParam);
    const LRESULT result = EditBox::Dispatch(message, wParam, lParam);
    // The line under the pointer, counted rather than found by character index: an index
    // need not be a byte offset.
    const LRESULT hit = SendMessageA(GetHandle(), EM_CHARFROMPOS, 0, lParam);
    if (hit != -1)
        onDoubleClick(CompilerText::LineAt(GetText(), HIWORD(hit)));
    return result;
}
