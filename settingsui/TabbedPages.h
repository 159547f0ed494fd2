// A tab control with one settings page per tab, as both the settings dialog and its language
// page hold them: the pages laid over the tabs' display area, the selected one shown, and the
// two page messages passed on to every page that still has a window.
#pragma once

#include <memory>
#include <vector>

#include "framework/TabCtrl.h"
#include "settingsui/SettingPage.h"

class TabbedPages : public Object {
public:
    // Takes the parent's tab control over.
    void Attach(HWND tab);
    // Adds a tab with its page and creates the page; false when the page has no window.
    bool Add(const char *text, std::unique_ptr<SettingPage> page);
    // Shows the page of the selected tab and hides the one shown before.
    void ShowSelected();
    // Sends SettingPage::ApplyMessage or CloseMessage to every page.
    void Tell(UINT message) const;
    // Destroys the pages' windows and deletes them.
    void Clear();

    int Count() const { return static_cast<int>(pages_.size()); }
    SettingPage *Page(int index) const;
    int TabId() const { return tab_.GetId(); }

private:
    RECT DisplayArea() const;

    TabCtrl tab_;
    std::vector<std::unique_ptr<SettingPage>> pages_;
    int shown_ = -1;
};
