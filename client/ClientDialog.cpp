#include "client/ClientDialog.h"

#include <cstdio>

#include "client/ClientDescription.h"
#include "client/ClientResources.h"
#include "sdk/TamborelProtocol.h"

ClientDialog::ClientDialog(const ClientDescription &description) : Dialog(TemplateId, true), description_(description) {}

INT_PTR ClientDialog::OnInitDialog(HWND, LPARAM) {
    const struct {
        int id;
        const std::string &text;
    } fields[] = {
        {IDC_CLIENT_NAME, description_.name},           {IDC_CLIENT_VERSION, description_.version},
        {IDC_CLIENT_AUTHOR, description_.author},       {IDC_CLIENT_COPYRIGHT, description_.copyright},
        {IDC_CLIENT_URL, description_.url},             {IDC_CLIENT_MAIL, description_.mail},
        {IDC_CLIENT_DESCRIPTION, description_.description},
    };
    for (const auto &field : fields)
        SetDlgItemTextA(GetHandle(), field.id, field.text.c_str());
    FillFunctions();
    ShowVersionCheck();
    ::SetFocus(Item(IsWindowEnabled(Item(IDOK)) ? IDOK : IDCANCEL));
    return FALSE;
}

// The remembered function is selected, or the first one while none was run yet.
void ClientDialog::FillFunctions() {
    functions_.Attach(Item(IDC_CLIENT_FUNCTIONS));
    for (const ClientWire::Function &function : description_.functions)
        functions_.AddString(function.name.c_str());
    const int count = static_cast<int>(description_.functions.size());
    const int remembered = description_.lastFunction;
    if (count > 0)
        functions_.SetCurSel(remembered >= 0 && remembered < count ? remembered : 0);
    ShowExplanation();
}

void ClientDialog::ShowVersionCheck() {
    const int version = description_.sdkVersion;
    char message[128] = "";
    if (version < 1)
        std::snprintf(message, sizeof message, "ＳＤＫバージョン不正（Client.%d）", version);
    else if (version > TamborelProtocol::SdkVersion)
        std::snprintf(message, sizeof message, "ＳＤＫバージョン未対応 （Server.%d < Client.%d）", TamborelProtocol::SdkVersion, version);
    SetDlgItemTextA(GetHandle(), IDC_CLIENT_SDK_MESSAGE, message);
    const bool runnable = version == TamborelProtocol::SdkVersion && !description_.functions.empty();
    EnableWindow(Item(IDOK), runnable);
}

void ClientDialog::ShowExplanation() {
    const int selected = functions_.GetCurSel();
    const bool valid = selected >= 0 && static_cast<size_t>(selected) < description_.functions.size();
    SetDlgItemTextA(GetHandle(), IDC_CLIENT_EXPLANATION,
                    valid ? description_.functions[static_cast<size_t>(selected)].explanation.c_str() : "");
}

INT_PTR ClientDialog::OnCommand(WORD code, WORD id, HWND) {
    switch (id) {
    case IDC_CLIENT_FUNCTIONS:
        if (code == CBN_SELCHANGE)
            ShowExplanation();
        return TRUE;
    case IDOK:
        Close(functions_.GetCurSel());
        return TRUE;
    case IDCANCEL:
        Close(-1);
        return TRUE;
    default:
        return FALSE;
    }
}

// Read-only edits show the dialog's face colour behind their text.
INT_PTR ClientDialog::OnCtlColorStatic(HDC dc, HWND) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}
