#include "project/ProjectDialog.h"

#include <commctrl.h>

#include <string>

#include "framework/Desktop.h"
#include "project/ProjectFrameWindow.h"
#include "project/ProjectResources.h"
#include "project/ProjectSteps.h"

ProjectDialog::ProjectDialog(ProjectFrameWindow &project, DocumentView &documents, bool modal)
    : Dialog(TemplateId, modal), project_(project), documents_(documents) {}

INT_PTR ProjectDialog::OnInitDialog(HWND, LPARAM) {
    TCITEMA tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<char *>("全般");
    SendDlgItemMessageA(GetHandle(), IDC_PROJECT_TAB, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&tab));
    ShowPath(IDC_PROJECT_STARTUP, project_.StartupFile().c_str());
    ShowPath(IDC_PROJECT_ENTRY, project_.EntryPoint().c_str());
    CheckDlgButton(GetHandle(), IDC_PROJECT_SAVE_ALL, project_.SaveAll() ? BST_CHECKED : BST_UNCHECKED);
    const long long steps = CountProjectSteps(project_.ListProjectFiles(), documents_, GetHandle());
    SetDlgItemTextA(GetHandle(), IDC_PROJECT_STEPS, steps < 0 ? "- error -" : std::to_string(steps).c_str());
    return TRUE;
}

INT_PTR ProjectDialog::OnCommand(WORD, WORD id, HWND) {
    switch (id) {
    case IDC_PROJECT_STARTUP_BROWSE: Browse(IDC_PROJECT_STARTUP, "起動ファイル選択"); return TRUE;
    case IDC_PROJECT_STARTUP_CLEAR: ShowPath(IDC_PROJECT_STARTUP, ""); return TRUE;
    case IDC_PROJECT_ENTRY_BROWSE: Browse(IDC_PROJECT_ENTRY, "エントリーポイント選択"); return TRUE;
    case IDC_PROJECT_ENTRY_CLEAR: ShowPath(IDC_PROJECT_ENTRY, ""); return TRUE;
    case IDOK: Apply(); Close(IDOK); return TRUE;
    case IDCANCEL: Close(IDCANCEL); return TRUE;
    default: return FALSE;
    }
}

// Labels and the check box stand on the tab's page, which the theme may paint lighter than the
// dialog: the page is painted under them first, and they draw on it.
INT_PTR ProjectDialog::OnCtlColorStatic(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    if (id == IDC_PROJECT_STARTUP || id == IDC_PROJECT_ENTRY || id == IDC_PROJECT_STEPS)
        return FALSE;
    HWND tab = Item(IDC_PROJECT_TAB);
    POINT origin{0, 0};
    MapWindowPoints(control, tab, &origin, 1);
    POINT previous;
    SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageA(tab, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
}

void ProjectDialog::ShowPath(int edit, const char *text) const {
    SetDlgItemTextA(GetHandle(), edit, text);
    SendDlgItemMessageA(GetHandle(), edit, EM_SETSEL, 0, -1);
}

void ProjectDialog::Browse(int edit, const char *title) const {
    char file[MAX_PATH] = "";
    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = GetHandle();
    request.lpstrFilter = "全てのファイル形式\0*.*\0";
    request.lpstrFile = file;
    request.nMaxFile = MAX_PATH;
    request.lpstrTitle = title;
    request.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (Desktop::Get().OpenFileDialog(request))
        ShowPath(edit, file);
}

std::string ProjectDialog::EditText(int edit) const {
    char text[MAX_PATH] = "";
    GetDlgItemTextA(GetHandle(), edit, text, sizeof text);
    return text;
}

void ProjectDialog::Apply() {
    const int saveAll = IsDlgButtonChecked(GetHandle(), IDC_PROJECT_SAVE_ALL) == BST_CHECKED ? 1 : 0;
    project_.SetProjectSettings(EditText(IDC_PROJECT_STARTUP), saveAll, EditText(IDC_PROJECT_ENTRY));
}
