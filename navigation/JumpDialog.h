// The modeless jump dialog: five pages on tabs (position, keyword, label, chameleon label,
// definition) that move the caret of the view the user works in. Every page is filled when the
// dialog opens and again on "再読込み"; none follows edits by itself.
#pragma once

#include <memory>
#include <vector>

#include "framework/Dialog.h"
#include "framework/TabCtrl.h"
#include "resources/resource.h"

class JumpPage;
class Workbench;
struct JumpMemory;

class JumpDialog : public Dialog {
public:
    static constexpr int TemplateId = IDD_JUMP;
    static const int tabCount = 5;

    JumpDialog(Workbench &workbench, JumpMemory &memory);
    ~JumpDialog() override;

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;
    INT_PTR OnNotify(int id, NMHDR *header) override;

    JumpPage &Page(int tab) const { return *pages_[static_cast<size_t>(tab)]; }
    int CurrentTab() const { return tabs_.GetCurSel(); }
    void SelectTab(int tab);
    // "再読込み": the visible pages fill themselves again.
    void Reload();

private:
    RECT PageRect() const;
    void CloseDialog();

    Workbench &workbench_;
    JumpMemory &memory_;
    TabCtrl tabs_;
    std::vector<std::unique_ptr<JumpPage>> pages_;
};
