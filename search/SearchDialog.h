// The search dialog: a modeless dialog with a find tab and a replace tab over the same controls.
// Each button acts on the view the user works in at that moment.
#pragma once

#include <string>

#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/TabCtrl.h"
#include "resources/resource.h"

class Vessary;
class Workbench;
struct SearchState;

class SearchDialog : public Dialog {
public:
    static constexpr int TemplateId = IDD_SEARCH;
    SearchDialog(SearchState &state, Workbench &workbench);

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;
    INT_PTR OnNotify(int id, NMHDR *header) override;

    // Opened again while open: takes the selection and shows the state's mode and direction.
    void Reactivate();

private:
    void AttachControls();
    // Opening steps shared with Reactivate: the selection into the history, the boxes refilled.
    void TakeSelection();
    void ShowMode();
    // Find mode: a regular expression is only searched downward.
    void SetDirectionForFind();
    void StoreOptions();
    std::string SearchText(size_t capacity = 1024) const;
    std::string ReplacementText() const;
    // Refills both boxes from the history, each showing the given text.
    void Refill(const std::string &search, const std::string &replacement) const;
    void FocusSearchBox() const;

    void OnFindNext();
    void OnReplaceNext();
    void OnReplaceAll();
    void OnPatternButton();
    void OnPattern(WORD id);
    void OnRegularExpression();
    void OnCancel();
    // Searches on from the selection; offers to start again from the top (or the end).
    void FindWithWrap(const std::string &text, bool downward);

    SearchState &state_;
    Workbench &workbench_;
    TabCtrl tabs_;
    ComboBox searchBox_;
    ComboBox replaceBox_;
    Button wholeWord_;
    Button matchCase_;
    Button regularExpression_;
    Button up_;
    Button down_;
};
