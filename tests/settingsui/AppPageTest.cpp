// The launch and run page: entries registered on copies of the tables, kept only by OK; a
// launch entry for "*" taking over files of unregistered types; client rows that start the
// client to list its functions.
#include "SettingsFixture.h"

#include <windows.h>
#include <commctrl.h>

#include "app/System.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"
#include "settingsui/SettingsUiResources.h"
#include "support/TestFiles.h"

class AppPageTest : public SettingsTest {
protected:
    // Each case starts from empty tables, whatever the shipped settings bind.
    void SetUp() override {
        SettingsTest::SetUp();
        launchTable_ = Common().launchTable;
        clientBindings_ = Common().clientBindings;
        Common().launchTable.clear();
        Common().clientBindings.clear();
    }
    void TearDown() override {
        Common().launchTable = launchTable_;
        Common().clientBindings = clientBindings_;
        SettingsTest::TearDown();
    }
    const SettingPage &App() const { return Page(SettingDialog::Launch); }
    LexerCommon &Common() const { return System::Get().Settings().Common(); }
    void Press(int id) const { Click(App(), id); }
    std::string Told() const { return desktop.messages.empty() ? "(nothing)" : desktop.messages.back().text; }
    int Rows() const { return ListView_GetItemCount(Control(App(), IDC_APP_LIST)); }

private:
    decltype(LexerCommon::launchTable) launchTable_;
    decltype(LexerCommon::clientBindings) clientBindings_;
};

TEST_F(AppPageTest, ALaunchEntryForEveryTypeOpensUnregisteredFilesInItsApplication) {
    Open();
    Type(App(), IDC_APP_TYPE, "*");
    desktop.files = {Program()};
    Press(IDC_APP_BROWSE);
    EXPECT_EQ("起動アプリケーション選択", desktop.fileDialogTitles.back());
    Press(IDC_APP_REGISTER);
    ASSERT_EQ(1, Rows());
    EXPECT_TRUE(Common().launchTable.empty()) << "registered before OK";
    Ok();
    ASSERT_EQ(1u, Common().launchTable.count("*"));

    const std::string file = folder + "notes.xyz";
    TestFiles::Write(file, "x");
    const int tabs = frame->Documents().Count();
    EXPECT_TRUE(frame->Open(file.c_str()));
    ASSERT_EQ(1u, desktop.launches.size());
    EXPECT_EQ(Program(), desktop.launches[0].file);
    EXPECT_EQ("\"" + file + "\"", desktop.launches[0].parameters);
    EXPECT_EQ(tabs, frame->Documents().Count());
}

TEST_F(AppPageTest, ChoosingAClientListsItsFunctionsAndEveryChosenClientNeedsOne) {
    Open();
    Type(App(), IDC_APP_TYPE, "hsp");
    Press(IDC_APP_EXECUTE);
    EXPECT_FALSE(IsWindowEnabled(Control(App(), IDC_APP_BROWSE)));
    Choose(App(), IDC_APP_CLIENT_F6, 1);
    EXPECT_EQ(std::vector<std::string>{"alpha"}, clients->asked);
    EXPECT_EQ(3, SendMessageA(Control(App(), IDC_APP_FUNCTION_F6), CB_GETCOUNT, 0, 0));
    Press(IDC_APP_REGISTER);
    EXPECT_EQ("実行時処理が指定されていません。", Told());

    Choose(App(), IDC_APP_FUNCTION_F6, 2);
    Press(IDC_APP_REGISTER);
    EXPECT_EQ(1u, desktop.messages.size()) << Told();
    Ok();
    const ClientSlots &slots = Common().clientBindings.at("hsp");
    EXPECT_EQ("alpha run", slots[1].name + " " + slots[1].function);
    EXPECT_EQ("", slots[0].name + slots[0].function + slots[2].name + slots[2].function + slots[3].name + slots[3].function);
}

// Selecting a row shows its entry without starting its clients; registering the same type
// changes it (with the same checks), and removing takes a row away.
TEST_F(AppPageTest, ARowIsShownCheckedAgainAndRemoved) {
    Common().clientBindings["as"] = {ClientSlot{"alpha", "build"}, {}, {}, {}};
    Common().launchTable["txt"] = Program();
    Open();
    ASSERT_EQ(2, Rows());
    ListView_SetItemState(Control(App(), IDC_APP_LIST), 0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ("as", Text(App(), IDC_APP_TYPE));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(App().GetHandle(), IDC_APP_EXECUTE));
    EXPECT_EQ("alpha", Text(App(), IDC_APP_CLIENT_F5));
    EXPECT_EQ("build", Text(App(), IDC_APP_FUNCTION_F5));
    EXPECT_TRUE(clients->asked.empty());
    EXPECT_EQ("変更", Text(App(), IDC_APP_REGISTER));

    Choose(App(), IDC_APP_FUNCTION_F5, 0);
    Press(IDC_APP_REGISTER);
    EXPECT_EQ("実行時処理が指定されていません。", Told()) << "changing runs the same checks";
    ListView_SetItemState(Control(App(), IDC_APP_LIST), 1, LVIS_SELECTED, LVIS_SELECTED);
    Press(IDC_APP_REMOVE);
    EXPECT_EQ(1, Rows());
    Ok();
    EXPECT_TRUE(Common().launchTable.empty());
    EXPECT_EQ("build", Common().clientBindings.at("as")[0].function);
}
