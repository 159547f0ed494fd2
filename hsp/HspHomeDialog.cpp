#include "hsp/HspHomeDialog.h"

#include <cstring>

#include "app/Report.h"
#include "framework/Desktop.h"
#include "framework/ShiftJis.h"
#include "hsp/CompilerLoading.h"
#include "hsp/Hsp.h"
#include "hsp/HspResources.h"
#include "settings/LexerHsp.h"

namespace {
const int homeCapacity = sizeof(LexerHsp::homeDirectory);
}

HspHomeDialog::HspHomeDialog(LexerHsp &settings, Hsp &hsp) : Dialog(TemplateId, true), settings_(settings), hsp_(hsp) {}

INT_PTR HspHomeDialog::OnInitDialog(HWND, LPARAM) {
    tab_.Attach(Item(IDC_HSP_HOME_TAB));
    tab_.InsertItem(0, "HSP HOME");
    SendMessageA(Item(IDC_HSP_HOME_PATH), EM_LIMITTEXT, homeCapacity - 1, 0);
    CheckDlgButton(GetHandle(), IDC_HSP_HOME_NO_PROMPT, settings_.homePrompt ? BST_UNCHECKED : BST_CHECKED);
    const bool used = settings_.homeDirectory[0] != '\0';
    CheckRadioButton(GetHandle(), IDC_HSP_HOME_UNUSED, IDC_HSP_HOME_USE, used ? IDC_HSP_HOME_USE : IDC_HSP_HOME_UNUSED);
    EnableWindow(Item(IDC_HSP_HOME_PATH), used);
    if (!used)
        return TRUE;
    SetDlgItemTextA(GetHandle(), IDC_HSP_HOME_PATH, settings_.homeDirectory);
    SendMessageA(Item(IDC_HSP_HOME_PATH), EM_SETSEL, 0, -1);
    ::SetFocus(Item(IDC_HSP_HOME_PATH));
    return FALSE;
}

INT_PTR HspHomeDialog::OnCommand(WORD code, WORD id, HWND) {
    switch (id) {
    case IDC_HSP_HOME_USE: UsePath(true); return TRUE;
    case IDC_HSP_HOME_UNUSED: UsePath(false); return TRUE;
    case IDC_HSP_HOME_BROWSE: Browse(); return TRUE;
    case IDOK:
        if (Apply())
            Close(IDOK);
        return TRUE;
    case IDCANCEL: Close(IDCANCEL); return TRUE;
    default: return FALSE;
    }
}

// The buttons standing on the tab show the tab's own face behind their text, whatever colour
// the tab paints itself in.
INT_PTR HspHomeDialog::OnCtlColorStatic(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    if (id != IDC_HSP_HOME_UNUSED && id != IDC_HSP_HOME_USE && id != IDC_HSP_HOME_NO_PROMPT)
        return FALSE;
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, tab_.GetHandle(), reinterpret_cast<POINT *>(&place), 2);
    POINT origin;
    OffsetViewportOrgEx(dc, -place.left, -place.top, &origin);
    SendMessageA(tab_.GetHandle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
}

void HspHomeDialog::UsePath(bool use) {
    EnableWindow(Item(IDC_HSP_HOME_PATH), use);
    if (!use)
        SetDlgItemTextA(GetHandle(), IDC_HSP_HOME_PATH, "");
}

// A chosen folder also chooses to use one.
void HspHomeDialog::Browse() {
    char initial[homeCapacity] = "";
    GetDlgItemTextA(GetHandle(), IDC_HSP_HOME_PATH, initial, homeCapacity);
    std::string chosen;
    if (!Desktop::Get().ChooseFolder(GetHandle(), "ＨＳＰホームとして登録するディレクトリを指定して下さい", initial, chosen))
        return;
    if (!ShiftJis::EndsWithSeparator(chosen))
        chosen += '\\';
    CheckRadioButton(GetHandle(), IDC_HSP_HOME_UNUSED, IDC_HSP_HOME_USE, IDC_HSP_HOME_USE);
    UsePath(true);
    SetDlgItemTextA(GetHandle(), IDC_HSP_HOME_PATH, chosen.c_str());
    SendMessageA(Item(IDC_HSP_HOME_PATH), EM_SETSEL, 0, -1);
}

bool HspHomeDialog::Apply() {
    const bool prompt = IsDlgButtonChecked(GetHandle(), IDC_HSP_HOME_NO_PROMPT) != BST_CHECKED;
    std::string home;
    if (IsDlgButtonChecked(GetHandle(), IDC_HSP_HOME_USE) == BST_CHECKED) {
        if (!LoadHome(home))
            return false;
    } else {
        hsp_.Unload();
    }
    Store(home, prompt);
    return true;
}

// The library in use stays until a new one is about to be loaded, so that a mistyped folder
// costs nothing.
bool HspHomeDialog::LoadHome(std::string &home) {
    char typed[homeCapacity] = "";
    GetDlgItemTextA(GetHandle(), IDC_HSP_HOME_PATH, typed, homeCapacity);
    home = typed;
    if (home.empty())
        return false;
    if (!ShiftJis::EndsWithSeparator(home))
        home += '\\';
    const std::string compiler = home + "hspcmp.dll";
    if (home.size() >= static_cast<size_t>(homeCapacity) || GetFileAttributesA(compiler.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Tell(GetHandle(), {"couldn't find hsp compiler", compiler.c_str(), "指定されたディレクトリにはＨＳＰコンパイラが存在しません。",
                           MB_ICONWARNING});
        return false;
    }
    hsp_.Unload();
    return LoadCompiler(GetHandle(), hsp_, home);
}

void HspHomeDialog::Store(const std::string &home, bool prompt) {
    if (home != settings_.homeDirectory) {
        lstrcpynA(settings_.homeDirectory, home.c_str(), homeCapacity);
        settings_.SetModified();
    }
    if (prompt != settings_.homePrompt) {
        settings_.homePrompt = prompt;
        settings_.SetModified();
    }
}
