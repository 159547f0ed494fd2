#include "settingsui/TabbedPages.h"

void TabbedPages::Attach(HWND tab) { tab_.Attach(tab); }

bool TabbedPages::Add(const char *text, std::unique_ptr<SettingPage> page) {
    const int index = Count();
    tab_.InsertItem(index, text);
    const bool created = page->CreateOver(tab_.GetParent(), tab_.GetHandle(), DisplayArea());
    pages_.push_back(std::move(page));
    return created;
}

// The tab control's display area in its parent's client coordinates.
RECT TabbedPages::DisplayArea() const {
    RECT area;
    GetWindowRect(tab_.GetHandle(), &area);
    MapWindowPoints(nullptr, tab_.GetParent(), reinterpret_cast<POINT *>(&area), 2);
    tab_.AdjustRect(false, area);
    return area;
}

void TabbedPages::ShowSelected() {
    const int selected = tab_.GetCurSel();
    if (selected == shown_)
        return;
    if (SettingPage *old = Page(shown_))
        old->Show(SW_HIDE);
    shown_ = selected;
    if (SettingPage *page = Page(shown_))
        page->Show(SW_SHOW);
}

void TabbedPages::Tell(UINT message) const {
    for (const auto &page : pages_)
        if (page->Exists())
            SendMessageA(page->GetHandle(), message, 0, 0);
}

void TabbedPages::Clear() {
    for (const auto &page : pages_)
        page->Destroy();
    pages_.clear();
    shown_ = -1;
}

SettingPage *TabbedPages::Page(int index) const {
    return index >= 0 && index < Count() ? pages_[static_cast<size_t>(index)].get() : nullptr;
}
