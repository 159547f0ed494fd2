#include "hsp/HspReservedKwDialog.h"

#include "hsp/CompilerFont.h"
#include "hsp/CompilerText.h"
#include "hsp/HspResources.h"

HspReservedKwDialog::HspReservedKwDialog(std::string words) : Dialog(TemplateId, false), words_(std::move(words)) {}

INT_PTR HspReservedKwDialog::OnInitDialog(HWND, LPARAM) {
    CreateCompilerFont(font_);
    SendMessageA(Item(IDC_HSP_RESERVED_LIST), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    SetDlgItemTextA(GetHandle(), IDC_HSP_RESERVED_LIST, CompilerText::WithCrLf(words_).c_str());
    // Focus on the button: the edit would select all its text when it took the focus.
    ::SetFocus(Item(IDOK));
    return FALSE;
}

INT_PTR HspReservedKwDialog::OnCommand(WORD, WORD id, HWND) {
    if (id != IDOK && id != IDCANCEL)
        return FALSE;
    Close(id);
    return TRUE;
}

INT_PTR HspReservedKwDialog::OnCtlColorStatic(HDC dc, HWND control) {
    if (control != Item(IDC_HSP_RESERVED_LIST))
        return FALSE;
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}
