#include "frame/VersionDialog.h"

#include <cstdio>

#include "app/System.h"
#include "resources/resource.h"

VersionDialog::VersionDialog(bool modal) : Dialog(TemplateId, modal) {}

INT_PTR VersionDialog::OnInitDialog(HWND, LPARAM) {
    const std::string &version = System::Get().FileVersion();
    char text[300];
    if (version.empty())
        std::snprintf(text, sizeof text, "%s", "(no version info)");
    else
        std::snprintf(text, sizeof text, "(Ver. %s)", version.c_str());
    SetDlgItemTextA(GetHandle(), IDC_VERSION_TEXT, text);
    GrowToFitTexts();
    return TRUE;
}

INT_PTR VersionDialog::OnCommand(WORD, WORD id, HWND) {
    if (id != IDOK && id != IDCANCEL)
        return FALSE;
    Close(id);
    return TRUE;
}
