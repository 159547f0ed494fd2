#include "navigation/JumpDialog.h"

#include "navigation/JumpLabelDialog.h"
#include "navigation/JumpMemory.h"
#include "navigation/JumpPosDialog.h"
#include "navigation/JumpPrepDialog.h"
#include "navigation/JumpWordDialog.h"

namespace {

const char *const tabTexts[JumpDialog::tabCount] = {"位置", "キーワード", "ラベル", "カメレオン", "定義"};
const int tabWidth = 80;

}

JumpDialog::JumpDialog(Workbench &workbench, JumpMemory &memory)
    : Dialog(TemplateId, false), workbench_(workbench), memory_(memory) {}

JumpDialog::~JumpDialog() = default;

INT_PTR JumpDialog::OnInitDialog(HWND, LPARAM) {
    tabs_.Attach(Item(IDC_JUMP_TAB));
    for (int i = 0; i < tabCount; ++i)
        tabs_.InsertItem(i, tabTexts[i]);
    pages_.push_back(std::make_unique<JumpPosDialog>(workbench_, memory_));
    pages_.push_back(std::make_unique<JumpWordDialog>(workbench_, memory_));
    pages_.push_back(std::make_unique<JumpLabelDialog>(workbench_, memory_));
    pages_.push_back(std::make_unique<JumpLabelDialog>(workbench_, memory_));
    pages_.push_back(std::make_unique<JumpPrepDialog>(workbench_, memory_));
    const RECT first = tabs_.GetItemRect(0);
    SendMessageA(tabs_.GetHandle(), TCM_SETITEMSIZE, 0, MAKELPARAM(tabWidth, first.bottom - first.top));
    const RECT area = PageRect();
    for (const std::unique_ptr<JumpPage> &page : pages_) {
        page->Run(GetHandle());
        SetWindowPos(page->GetHandle(), HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     SWP_NOACTIVATE);
        SendMessageA(page->GetHandle(), JumpPage::RefreshMessage, 0, 0);
    }
    SelectTab(memory_.tab >= 0 && memory_.tab < tabCount ? memory_.tab : 0);
    return FALSE;
}

RECT JumpDialog::PageRect() const {
    RECT area;
    GetClientRect(tabs_.GetHandle(), &area);
    tabs_.AdjustRect(false, area);
    MapWindowPoints(tabs_.GetHandle(), GetHandle(), reinterpret_cast<POINT *>(&area), 2);
    return area;
}

void JumpDialog::SelectTab(int tab) {
    tabs_.SetCurSel(tab);
    for (int i = 0; i < tabCount; ++i)
        if (i != tab)
            Page(i).Show(SW_HIDE);
    Page(tab).Show(SW_SHOW);
}

INT_PTR JumpDialog::OnNotify(int id, NMHDR *header) {
    if (id == IDC_JUMP_TAB && header->code == static_cast<UINT>(TCN_SELCHANGE)) {
        SelectTab(tabs_.GetCurSel());
        return TRUE;
    }
    return FALSE;
}

INT_PTR JumpDialog::OnCommand(WORD code, WORD id, HWND) {
    if (code != BN_CLICKED)
        return FALSE;
    if (id == IDC_JUMP_RELOAD)
        Reload();
    else if (id == IDCANCEL)
        CloseDialog();
    else
        return FALSE;
    return TRUE;
}

void JumpDialog::Reload() {
    for (const std::unique_ptr<JumpPage> &page : pages_)
        if (IsWindowVisible(page->GetHandle()))
            SendMessageA(page->GetHandle(), JumpPage::RefreshMessage, 0, 0);
}

void JumpDialog::CloseDialog() {
    for (const std::unique_ptr<JumpPage> &page : pages_)
        SendMessageA(page->GetHandle(), JumpPage::ClosingMessage, 0, 0);
    Close(0);
}
