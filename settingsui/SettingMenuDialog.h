// The menu page: the items of the edit context menu and of the tool bar, each list put together
// from the selectable commands, in order, at most MaxItems long.
#pragma once

#include <vector>

#include "framework/ListBox.h"
#include "settingsui/SettingPage.h"
#include "settingsui/SettingsUiResources.h"

struct SettingContext;

class SettingMenuDialog : public SettingPage {
public:
    static constexpr int TemplateId = IDD_SETTING_MENU;
    static constexpr int MaxItems = 32;

    explicit SettingMenuDialog(const SettingContext &context);

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;

protected:
    void Apply() override;

private:
    void Fill(const ListBox &list, const std::vector<int> &ids) const;
    void Insert(const ListBox &list) const;
    void Move(const ListBox &list, int step) const;
    void Remove(const ListBox &list) const;
    std::vector<int> Ids(const ListBox &list) const;

    const SettingContext &context_;
    ListBox contextMenu_;
    ListBox candidates_;
    ListBox toolbar_;
};
