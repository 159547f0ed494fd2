// The menu page: putting the context menu and the tool bar together from the candidates, at
// most 32 items each, stored in the order shown and rebuilt in the frame at once.
#include "SettingsFixture.h"

#include <vector>

#include "app/System.h"
#include "resources/resource.h"
#include "settings/LexerCommon.h"
#include "settings/SelectableMenuItem.h"
#include "settings/Setting.h"
#include "settingsui/SettingMenuDialog.h"
#include "settingsui/SettingsUiResources.h"

class MenuPageTest : public SettingsTest {
protected:
    const SettingPage &Menus() const { return Page(SettingDialog::Menus); }
    // Inserts the candidate of a command id into a list (by its insert button).
    void Insert(int id, int button) const {
        Select(Menus(), IDC_MENU_CANDIDATES, System::Get().Settings().MenuItems().PositionOf(id));
        Click(Menus(), button);
    }
};

// Items go in front of the selection, move and go, and are stored in that order; the 33rd is
// refused with a message.
TEST_F(MenuPageTest, ListsArePutTogetherAndHoldAtMost32Items) {
    Open();
    Insert(IDM_COPY, IDC_MENU_CONTEXT_INSERT);
    Insert(IDM_CUT, IDC_MENU_CONTEXT_INSERT);
    Insert(IDM_PASTE, IDC_MENU_CONTEXT_INSERT);
    Click(Menus(), IDC_MENU_CONTEXT_DOWN);
    Select(Menus(), IDC_MENU_CONTEXT_LIST, 0);
    Click(Menus(), IDC_MENU_CONTEXT_UP);
    Insert(0, IDC_MENU_CONTEXT_INSERT);
    Click(Menus(), IDC_MENU_CONTEXT_REMOVE);
    Insert(IDM_FIND, IDC_MENU_TOOLBAR_INSERT);
    Insert(0, IDC_MENU_TOOLBAR_INSERT);
    Ok();
    const LexerCommon &common = System::Get().Settings().Common();
    EXPECT_EQ((std::vector<int>{IDM_CUT, IDM_PASTE, IDM_COPY}), common.contextMenuItems);
    EXPECT_EQ((std::vector<int>{0, IDM_FIND}), common.toolbarItems);
    EXPECT_EQ(IDM_COPY, static_cast<int>(GetMenuItemID(frame->MenuBar().ContextMenu().Handle(), 2)));
    EXPECT_EQ(3, GetMenuItemCount(frame->MenuBar().ContextMenu().Handle()));

    Open();
    for (int i = 3; i < SettingMenuDialog::MaxItems; ++i)
        Insert(IDM_SELECT_ALL, IDC_MENU_CONTEXT_INSERT);
    EXPECT_TRUE(desktop.messages.empty());
    Insert(IDM_UNDO, IDC_MENU_CONTEXT_INSERT);
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_EQ("アイテムは最大数を越えています。", desktop.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), desktop.messages[0].type);
    Ok();
    EXPECT_EQ(static_cast<size_t>(SettingMenuDialog::MaxItems), System::Get().Settings().Common().contextMenuItems.size());
}
