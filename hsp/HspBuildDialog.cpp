#include "hsp/HspBuildDialog.h"

#include <cstdlib>

#include "app/Report.h"
#include "framework/CurrentDirectory.h"
#include "hsp/Hsp.h"
#include "hsp/HspResources.h"
#include "settings/LexerHsp.h"

namespace {

struct Kind {
    const char *item;
    const char *label;
    int mode;
};
const Kind kinds[] = {
    {"実行可能ファイル　 (exe)", "実行可能ファイル", 0},
    {"スクリーンセーバー (scr)", "スクリーンセーバー", 2},
};
const int nameCapacity = sizeof(LexerHsp::buildFilename);

INT_PTR Text(const std::string &text) { return reinterpret_cast<INT_PTR>(text.c_str()); }

// The leading decimal digits of an edit's text; 0 when there are none.
int LeadingNumber(HWND dialog, int id) {
    char text[32] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return static_cast<int>(std::strtol(text[0] >= '0' && text[0] <= '9' ? text : "0", nullptr, 10));
}

template <class T> void StoreChanged(LexerHsp &settings, T &field, T value) {
    if (field == value)
        return;
    field = value;
    settings.SetModified();
}

}

HspBuildDialog::HspBuildDialog(const Hsp &hsp, LexerHsp &settings, std::string home, CompileTarget target, std::string projectName)
    : Dialog(TemplateId, true), hsp_(hsp), settings_(settings), home_(std::move(home)), target_(std::move(target)),
      projectName_(std::move(projectName)) {}

INT_PTR HspBuildDialog::OnInitDialog(HWND, LPARAM) {
    kinds_.Attach(Item(IDC_HSP_BUILD_KIND));
    for (const Kind &kind : kinds)
        kinds_.AddString(kind.item);
    kinds_.SetCurSel(0);
    names_.Attach(Item(IDC_HSP_BUILD_NAME));
    SendMessageA(names_.GetHandle(), CB_LIMITTEXT, nameCapacity - 1, 0);
    for (const std::string &name : {std::string(settings_.buildFilename), projectName_})
        if (!name.empty())
            names_.AddString(name.c_str());
    SetDlgItemInt(GetHandle(), IDC_HSP_BUILD_WIDTH, static_cast<UINT>(settings_.buildWindowSizeX), FALSE);
    SetDlgItemInt(GetHandle(), IDC_HSP_BUILD_HEIGHT, static_cast<UINT>(settings_.buildWindowSizeY), FALSE);
    CheckDlgButton(GetHandle(), IDC_HSP_BUILD_HIDE, settings_.buildWindowHide ? BST_CHECKED : BST_UNCHECKED);
    GrowToFitTexts();
    return TRUE;
}

INT_PTR HspBuildDialog::OnCommand(WORD, WORD id, HWND) {
    if (id == IDCANCEL) {
        Close(IDCANCEL);
        return TRUE;
    }
    if (id != IDOK)
        return FALSE;
    char typed[nameCapacity] = "";
    GetDlgItemTextA(GetHandle(), IDC_HSP_BUILD_NAME, typed, nameCapacity);
    const std::string name = typed;
    if (name.empty())
        return TRUE;
    StoreSettings(name);
    const int kind = kinds_.GetCurSel() == 1 ? 1 : 0;
    Announce(Build(name, kinds[kind].mode), name, kind);
    Close(IDOK);
    return TRUE;
}

void HspBuildDialog::StoreSettings(const std::string &name) {
    if (name != settings_.buildFilename) {
        lstrcpynA(settings_.buildFilename, name.c_str(), nameCapacity);
        settings_.SetModified();
    }
    StoreChanged(settings_, settings_.buildWindowSizeX, LeadingNumber(GetHandle(), IDC_HSP_BUILD_WIDTH));
    StoreChanged(settings_, settings_.buildWindowSizeY, LeadingNumber(GetHandle(), IDC_HSP_BUILD_HEIGHT));
    StoreChanged(settings_, settings_.buildWindowHide, IsDlgButtonChecked(GetHandle(), IDC_HSP_BUILD_HIDE) == BST_CHECKED);
}

bool HspBuildDialog::Build(const std::string &name, int mode) const {
    const std::string folder = target_.path.DirectoryPart();
    const CurrentDirectory current(folder);
    const std::string output = folder + name;
    hsp_.Call(Hsp::pack_ini, 0, Text(output));
    hsp_.Call(Hsp::pack_make, 0, 0);
    hsp_.Call(Hsp::pack_opt, settings_.buildWindowSizeX, settings_.buildWindowSizeY, settings_.buildWindowHide ? 1 : 0, 0);
    hsp_.Call(Hsp::pack_rt, 0, Text(home_ + "hsprt"));
    const bool built = hsp_.Call(Hsp::pack_exe, mode) == 0;
    const std::string dpm = output + ".dpm";
    if (GetFileAttributesA(dpm.c_str()) != INVALID_FILE_ATTRIBUTES)
        DeleteFileA(dpm.c_str());
    return built;
}

void HspBuildDialog::Announce(bool built, const std::string &name, int kind) const {
    if (built) {
        const std::string text = name + "\n" + kinds[kind].label + "のビルドに成功しました";
        Tell(GetHandle(), {"build, succeeded.", name.c_str(), text.c_str(), MB_ICONINFORMATION});
        return;
    }
    std::string messages = hsp_.Messages();
    if (messages.empty())
        messages = name + "\n" + kinds[kind].label + "のビルドに失敗しました";
    Tell(GetHandle(), {"build, failed.", name.c_str(), messages.c_str(), MB_ICONWARNING});
}
