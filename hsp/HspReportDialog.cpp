#include "hsp/HspReportDialog.h"

#include "hsp/CompilerFont.h"
#include "hsp/CompilerText.h"
#include "hsp/HspResources.h"

HspReportDialog::HspReportDialog(std::string version, std::string messages,
                                 std::function<bool(const std::string &line)> goTo)
    : Dialog(TemplateId, true), version_(std::move(version)), messages_(std::move(messages)), goTo_(std::move(goTo)) {}

INT_PTR HspReportDialog::OnInitDialog(HWND, LPARAM) {
    CreateCompilerFont(font_);
    for (int id : {IDC_HSP_REPORT_VERSION, IDC_HSP_REPORT_MESSAGES})
        SendMessageA(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    SetDlgItemTextA(GetHandle(), IDC_HSP_REPORT_VERSION, version_.c_str());
    messageEdit_.Attach(Item(IDC_HSP_REPORT_MESSAGES));
    messageEdit_.SetText(CompilerText::WithCrLf(messages_).c_str());
    messageEdit_.onDoubleClick = [this](const std::string &line) { OnMessageDoubleClicked(line); };
    // Focus on the button: the edit would select all its text when it took the focus.
    ::SetFocus(Item(IDCANCEL));
    return FALSE;
}

void HspReportDialog::OnMessageDoubleClicked(const std::string &line) {
    if (goTo_ && goTo_(line))
        Close(IDOK);
}

INT_PTR HspReportDialog::OnCommand(WORD, WORD id, HWND) {
    if (id != IDOK && id != IDCANCEL)
        return FALSE;
    Close(id);
    return TRUE;
}

// The read-only messages on the dialog's own face colour.
INT_PTR HspReportDialog::OnCtlColorStatic(HDC dc, HWND control) {
    if (control != Item(IDC_HSP_REPORT_MESSAGES))
        return FALSE;
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}
