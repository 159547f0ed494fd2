#include "search/SearchDialog.h"

#include <cstdio>

#include "app/Report.h"
#include "editor/Document.h"
#include "frame/Menu.h"
#include "frame/Workbench.h"
#include "framework/Desktop.h"
#include "search/DocumentSearch.h"
#include "search/SearchResources.h"
#include "search/SearchState.h"

namespace {

struct ModeTexts {
    const char *title;
    const char *textLabel;
    const char *replaceLabel;
    const char *group;
    const char *first;
    const char *second;
};

const ModeTexts modeTexts[] = {
    {"検索", "キーワード", "", "検索方向", "上へ", "下へ"},
    {"置換", "置換前", "置換後", "全置換範囲", "選択", "全体"},
};

const char *const patternTokens[] = {"^", "$", ".", "*", "+"};

const size_t textLimit = 1023;
// A selection this long or longer is no keyword and stays out of the history.
const size_t selectionLimit = 63;

const char *const notFoundDown = "指定された文字列は見つかりませんでした。\r\nファイル先頭から再検索しますか？";
const char *const notFoundUp = "指定された文字列は見つかりませんでした。\r\nファイル末尾から再検索しますか？";

void LimitText(const ComboBox &box, size_t limit) { SendMessageA(box.GetHandle(), CB_LIMITTEXT, limit, 0); }

}

SearchDialog::SearchDialog(SearchState &state, Workbench &workbench)
    : Dialog(TemplateId, false), state_(state), workbench_(workbench) {}

INT_PTR SearchDialog::OnInitDialog(HWND, LPARAM) {
    AttachControls();
    tabs_.InsertItem(0, modeTexts[0].title);
    tabs_.InsertItem(1, modeTexts[1].title);
    LimitText(searchBox_, textLimit);
    LimitText(replaceBox_, textLimit);
    wholeWord_.SetCheck(state_.wholeWord);
    matchCase_.SetCheck(state_.matchCase);
    regularExpression_.SetCheck(state_.regularExpression);
    Reactivate();
    return FALSE;
}

void SearchDialog::AttachControls() {
    tabs_.Attach(Item(IDC_SEARCH_TABS));
    searchBox_.Attach(Item(IDC_SEARCH_TEXT));
    replaceBox_.Attach(Item(IDC_SEARCH_REPLACE_TEXT));
    wholeWord_.Attach(Item(IDC_SEARCH_WHOLE_WORD));
    matchCase_.Attach(Item(IDC_SEARCH_MATCH_CASE));
    regularExpression_.Attach(Item(IDC_SEARCH_REGEXP));
    up_.Attach(Item(IDC_SEARCH_UP));
    down_.Attach(Item(IDC_SEARCH_DOWN));
}

void SearchDialog::Reactivate() {
    TakeSelection();
    tabs_.SetCurSel(state_.mode);
    ShowMode();
}

void SearchDialog::TakeSelection() {
    if (Document *view = workbench_.ActiveView()) {
        const std::string selection = view->GetSelText();
        if (selection.size() < selectionLimit)
            state_.AddToHistory(selection);
    }
    Refill(state_.history.empty() ? std::string() : state_.history.back(), replaceBox_.GetText());
}

void SearchDialog::ShowMode() {
    const bool replace = state_.mode == SearchState::Replace;
    const ModeTexts &texts = modeTexts[state_.mode];
    SetWindowTextA(GetHandle(), texts.title);
    SetDlgItemTextA(GetHandle(), IDC_SEARCH_TEXT_LABEL, texts.textLabel);
    SetDlgItemTextA(GetHandle(), IDC_SEARCH_REPLACE_LABEL, texts.replaceLabel);
    SetDlgItemTextA(GetHandle(), IDC_SEARCH_GROUP, texts.group);
    SetDlgItemTextA(GetHandle(), IDC_SEARCH_UP, texts.first);
    SetDlgItemTextA(GetHandle(), IDC_SEARCH_DOWN, texts.second);
    EnableWindow(replaceBox_.GetHandle(), replace);
    ShowWindow(Item(IDC_SEARCH_REPLACE_NEXT), replace ? SW_SHOW : SW_HIDE);
    ShowWindow(Item(IDC_SEARCH_REPLACE_ALL), replace ? SW_SHOW : SW_HIDE);
    if (replace) {
        up_.Enable(true);
        up_.SetCheck(false);
        down_.SetCheck(true);
    } else {
        SetDirectionForFind();
    }
    FocusSearchBox();
}

void SearchDialog::SetDirectionForFind() {
    const bool onlyDown = regularExpression_.IsChecked();
    const bool down = onlyDown || state_.downward;
    up_.Enable(!onlyDown);
    up_.SetCheck(!down);
    down_.SetCheck(down);
}

void SearchDialog::StoreOptions() {
    state_.wholeWord = wholeWord_.IsChecked();
    state_.matchCase = matchCase_.IsChecked();
    state_.regularExpression = regularExpression_.IsChecked();
    if (state_.mode == SearchState::Find)
        state_.downward = down_.IsChecked();
}

std::string SearchDialog::SearchText(size_t capacity) const {
    std::string text(capacity, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(searchBox_.GetHandle(), &text[0], static_cast<int>(capacity))));
    return text;
}

std::string SearchDialog::ReplacementText() const {
    char text[textLimit + 1] = "";
    GetWindowTextA(replaceBox_.GetHandle(), text, sizeof text);
    return text;
}

// One history feeds both boxes, so both follow every change of it.
void SearchDialog::Refill(const std::string &search, const std::string &replacement) const {
    for (const ComboBox *box : {&searchBox_, &replaceBox_}) {
        box->ResetContent();
        for (const std::string &entry : state_.history)
            box->AddString(entry.c_str());
    }
    SetWindowTextA(searchBox_.GetHandle(), search.c_str());
    SetWindowTextA(replaceBox_.GetHandle(), replacement.c_str());
}

void SearchDialog::FocusSearchBox() const { PostMessageA(GetHandle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(searchBox_.GetHandle()), TRUE); }

INT_PTR SearchDialog::OnCommand(WORD code, WORD id, HWND) {
    switch (id) {
    case IDOK: OnFindNext(); return TRUE;
    case IDC_SEARCH_REPLACE_NEXT: OnReplaceNext(); return TRUE;
    case IDC_SEARCH_REPLACE_ALL: OnReplaceAll(); return TRUE;
    case IDC_SEARCH_PATTERN: OnPatternButton(); return TRUE;
    case IDC_SEARCH_REGEXP:
        if (code == BN_CLICKED)
            OnRegularExpression();
        return TRUE;
    case IDCANCEL: OnCancel(); return TRUE;
    default: break;
    }
    if (id >= IDM_PATTERN_LINE_START && id <= IDM_PATTERN_ONE_OR_MORE) {
        OnPattern(id);
        return TRUE;
    }
    return FALSE;
}

INT_PTR SearchDialog::OnNotify(int id, NMHDR *header) {
    if (id != IDC_SEARCH_TABS || header->code != TCN_SELCHANGE)
        return FALSE;
    state_.mode = tabs_.GetCurSel() == 1 ? SearchState::Replace : SearchState::Find;
    ShowMode();
    return TRUE;
}

void SearchDialog::OnFindNext() {
    const std::string text = SearchText();
    if (text.empty()) {
        FocusSearchBox();
        return;
    }
    state_.AddToHistory(text);
    Refill(text, ReplacementText());
    StoreOptions();
    FindWithWrap(text, down_.IsChecked());
}

void SearchDialog::FindWithWrap(const std::string &text, bool downward) {
    // The view is asked for again after each question: the document may have been closed
    // while the box was open.
    for (Document *view = workbench_.ActiveView(); view; view = workbench_.ActiveView()) {
        if (DocumentSearch::FindInDocument(*view, downward, text, state_.Flags()))
            return;
        const Report report{"couldn't find given keyword.", nullptr, downward ? notFoundDown : notFoundUp,
                            MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2, ReportLevel::Debug};
        if (Tell(GetHandle(), report) != IDYES)
            break;
        if (Document *again = workbench_.ActiveView())
            again->GotoPos(downward ? 0 : again->GetLength());
    }
    FocusSearchBox();
}

void SearchDialog::OnReplaceNext() {
    Document *view = workbench_.ActiveView();
    if (view && view->GetSelectionStart() != view->GetSelectionEnd()) {
        const std::string replacement = ReplacementText();
        view->ReplaceSel(replacement.c_str());
        if (!replacement.empty()) {
            state_.AddToHistory(replacement);
            Refill(SearchText(), replacement);
        }
    }
    OnFindNext();
}

void SearchDialog::OnReplaceAll() {
    const std::string search = SearchText();
    const std::string replacement = ReplacementText();
    if (search.empty()) {
        FocusSearchBox();
        return;
    }
    const bool wholeDocument = down_.IsChecked();
    state_.AddToHistory(search);
    if (!replacement.empty())
        state_.AddToHistory(replacement);
    Refill(search, replacement);
    StoreOptions();
    Document *view = workbench_.ActiveView();
    if (!view)
        return;
    const int count = DocumentSearch::ReplaceAll(*view, search, replacement, state_.Flags(), wholeDocument);
    char message[64];
    std::snprintf(message, sizeof message, "合計 %d 回の置換が行われました", count);
    Ask(GetHandle(), message, MB_OK | MB_ICONINFORMATION);
}

void SearchDialog::OnPatternButton() {
    RECT button{};
    GetWindowRect(Item(IDC_SEARCH_PATTERN), &button);
    Menu menu;
    if (menu.Load(workbench_.Instance(), IDR_MENU_PATTERN))
        menu.Track(GetHandle(), button.left, button.bottom);
}

void SearchDialog::OnPattern(WORD id) {
    const std::string text = SearchText(textLimit) + patternTokens[id - IDM_PATTERN_LINE_START];
    SetWindowTextA(searchBox_.GetHandle(), text.c_str());
    regularExpression_.SetCheck(true);
    if (state_.mode == SearchState::Find)
        SetDirectionForFind();
}

void SearchDialog::OnRegularExpression() {
    if (state_.mode == SearchState::Find)
        SetDirectionForFind();
}

void SearchDialog::OnCancel() {
    StoreOptions();
    Close(IDCANCEL);
}
