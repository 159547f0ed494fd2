// The keyword page of the jump dialog: every place where a keyword occurs, in the current
// document or in each file of the project (open ones as edited). The search runs when the page
// is filled (opening, "再読込み"), not while the keyword is typed.
#pragma once

#include <string>
#include <vector>

#include "navigation/JumpList.h"
#include "navigation/JumpPage.h"
#include "navigation/NavigationResources.h"

class JumpWordDialog : public JumpPage {
public:
    static constexpr int TemplateId = IDD_JUMP_KEYWORD;

    JumpWordDialog(Workbench &workbench, JumpMemory &memory) : JumpPage(TemplateId, workbench, memory) {}

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnNotify(int id, NMHDR *header) override;
    INT_PTR OnSize(WPARAM type, WORD width, WORD height) override;
    void Refresh() override;
    void Closing() override;
    void Shown() override;

    const JumpList &List() const { return list_; }

private:
    struct Result {
        std::string file;
        size_t position;
    };

    void RememberScope();
    std::vector<std::string> Files() const;
    // False when the search must end: the user has been told.
    bool Search(const std::string &file, const std::string &keyword, bool project);
    void GoTo(int row) const;

    JumpList list_;
    std::vector<Result> results_;
};
