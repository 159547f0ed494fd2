#include "settingsui/SettingBasicDialog.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <string>

#include "editor/Document.h"
#include "editor/DocumentView.h"
#include "frame/Workbench.h"
#include "framework/Desktop.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"
#include "settingsui/PageControls.h"
#include "settingsui/SettingContext.h"

using namespace PageControls;

SettingBasicDialog::SettingBasicDialog(const SettingContext &context)
    : SettingPage(TemplateId), context_(context), fontColor_(context.colors), backColor_(context.colors),
      tabAndSpaceColor_(context.colors), font_(context.fonts) {}

INT_PTR SettingBasicDialog::OnInitDialog(HWND, LPARAM) {
    const LexerCommon &common = context_.settings.Common();
    SetDlgItemTextA(GetHandle(), IDC_BASIC_DIRECTORY, common.defaultDirectory);
    fontColor_.Fill(Item(IDC_BASIC_FONT_COLOR), context_.swatches, common.fontColor);
    backColor_.Fill(Item(IDC_BASIC_BACK_COLOR), context_.swatches, common.backColor);
    tabAndSpaceColor_.Fill(Item(IDC_BASIC_TAB_SPACE_COLOR), context_.swatches, common.tabAndSpaceFontColor);
    font_.Fill(Item(IDC_BASIC_FONT_FACE), Item(IDC_BASIC_FONT_SIZE), common.fontFace, common.fontSize);
    ShowChoice(Item(IDC_BASIC_INDENT_VIEW), {"非可視化", "後可視化", "全可視化"}, common.indentViewType);
    ShowChoice(Item(IDC_BASIC_SPACE_VISIBLE), {"非表示", "表示"}, common.spaceVisible);
    ShowNumber(Item(IDC_BASIC_INDENT_SIZE), common.indentSize);
    ShowChoice(Item(IDC_BASIC_INDENT_BY_SPACE), {"タブ", "スペース"}, common.indentBySpace);
    ShowCheck(Item(IDC_BASIC_AUTO_INDENT), common.enableAutoIndent);
    return FALSE;
}

INT_PTR SettingBasicDialog::OnCommand(WORD code, WORD id, HWND) {
    if (id == IDC_BASIC_MY_DOCUMENTS && code == BN_CLICKED)
        UseDocumentsFolder();
    else if (id == IDC_BASIC_CHOOSE_DIRECTORY && code == BN_CLICKED)
        ChooseFolder();
    else if (id == IDC_BASIC_FONT_FACE && code == CBN_SELCHANGE)
        font_.FaceChanged();
    else
        return FALSE;
    return TRUE;
}

void SettingBasicDialog::UseDocumentsFolder() {
    char folder[MAX_PATH] = "";
    if (!SHGetSpecialFolderPathA(GetHandle(), folder, CSIDL_PERSONAL, FALSE))
        return;
    PathAddBackslashA(folder);
    SetDlgItemTextA(GetHandle(), IDC_BASIC_DIRECTORY, folder);
}

void SettingBasicDialog::ChooseFolder() {
    char current[MAX_PATH] = "";
    GetDlgItemTextA(GetHandle(), IDC_BASIC_DIRECTORY, current, sizeof current);
    std::string chosen;
    if (!Desktop::Get().ChooseFolder(GetHandle(), "デフォルトに指定するフォルダを選択して下さい", current, chosen))
        return;
    char folder[MAX_PATH] = "";
    if (chosen.size() + 2 > sizeof folder)
        return;
    chosen.copy(folder, chosen.size());
    PathAddBackslashA(folder);
    SetDlgItemTextA(GetHandle(), IDC_BASIC_DIRECTORY, folder);
}

void SettingBasicDialog::Apply() {
    LexerCommon &common = context_.settings.Common();
    const bool folderChanged = StoreText(Item(IDC_BASIC_DIRECTORY), common.defaultDirectory, sizeof common.defaultDirectory);
    bool changed = folderChanged;
    changed |= fontColor_.StoreInto(common.fontColor);
    changed |= backColor_.StoreInto(common.backColor);
    changed |= tabAndSpaceColor_.StoreInto(common.tabAndSpaceFontColor);
    changed |= font_.StoreInto(common.fontFace, sizeof common.fontFace, common.fontSize);
    changed |= StoreChoice(Item(IDC_BASIC_INDENT_VIEW), common.indentViewType);
    changed |= StoreChoice(Item(IDC_BASIC_SPACE_VISIBLE), common.spaceVisible);
    changed |= StoreNumber(Item(IDC_BASIC_INDENT_SIZE), common.indentSize);
    changed |= StoreChoice(Item(IDC_BASIC_INDENT_BY_SPACE), common.indentBySpace);
    changed |= StoreCheck(Item(IDC_BASIC_AUTO_INDENT), common.enableAutoIndent);
    if (changed)
        common.SetModified();
    if (folderChanged)
        MoveUntitledDocuments(common.defaultDirectory);
}

void SettingBasicDialog::MoveUntitledDocuments(const char *folder) {
    Workbench &workbench = context_.workbench;
    DocumentView &documents = workbench.Documents();
    for (int i = 0; i < documents.Count(); ++i) {
        Document *document = documents.At(i);
        if (!document->IsUntitled())
            continue;
        // Setting a path takes the language from its extension; a folder has none.
        const int language = document->Language();
        document->path.Set(folder);
        document->SetLanguage(language);
        if (Document *pane = documents.SplitPane(); pane && documents.SplitIndex() == i)
            pane->path = document->path;
    }
    if (workbench.Current())
        workbench.Select(workbench.CurrentIndex());
}
