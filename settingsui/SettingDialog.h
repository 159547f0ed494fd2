// The settings dialog: five tabs, each a page of its own. OK has every page store its controls'
// values, then the frame applies the settings to every document and to its bars at once;
// Cancel, Escape and the close box leave every setting as it was.
#pragma once

#include "framework/Dialog.h"
#include "resources/resource.h"
#include "settingsui/ColorSwatches.h"
#include "settingsui/SettingContext.h"
#include "settingsui/TabbedPages.h"

class SystemFont;
class Workbench;

class SettingDialog : public Dialog {
public:
    static constexpr int TemplateId = IDD_SETTING;
    enum Tab { Basic, Guide, Languages, Menus, Launch };

    SettingDialog(Workbench &workbench, const SystemFont &fonts, bool modal = true);
    ~SettingDialog() override;

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;
    INT_PTR OnNotify(int id, NMHDR *header) override;

    // The page of a tab while the dialog is open, else null.
    SettingPage *Page(Tab tab) const { return pages_.Page(tab); }

private:
    void Finish(bool apply);

    ColorSwatches swatches_;
    SettingContext context_;
    TabbedPages pages_;
};
