// The settings dialog as a whole: Cancel changes nothing, OK stores exactly what the pages
// edit and nothing when nothing was changed, and the open documents follow at once.
#include "SettingsFixture.h"

#include <windows.h>

#include <cstring>
#include <set>

#include "app/System.h"
#include "editor/Document.h"
#include "settings/LexerCommon.h"
#include "settings/LexerHsp.h"
#include "settings/Setting.h"
#include "settings/SystemColor.h"
#include "settings/SystemFont.h"
#include "settingsui/SettingsUiResources.h"
#include "support/TestData.h"
#include "support/TestFiles.h"

namespace {

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The colour each colour control was set to, by section name and control id.
using ChosenColors = std::map<std::pair<std::string, int>, COLORREF>;

// A colour per control id, other than the one shown, so that a control that edits another
// key than its own shows in that key's value.
int ColorIndexFor(int id, int shown) {
    const int index = id % SystemColor::Count;
    return index == shown ? (index + 1) % SystemColor::Count : index;
}

// Moves every enabled combo box of the page to another item, types a number into every
// writable edit and flips every check box.
void ChangeEveryControl(const SettingPage &page, const std::string &section, ChosenColors &chosen) {
    for (HWND control = GetWindow(page.GetHandle(), GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        const std::string kind = ClassOf(control);
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        const int id = GetDlgCtrlID(control);
        const int count = static_cast<int>(SendMessageA(control, CB_GETCOUNT, 0, 0));
        const int shown = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
        if (!IsWindowEnabled(control))
            continue;
        if (kind == "ComboBoxEx32") {
            const int index = ColorIndexFor(id, shown);
            SettingsTest::Choose(page, id, index);
            chosen[{section, id}] = System::Get().Colors()[index].color;
        } else if (kind == "ComboBox" && count > 1) {
            SettingsTest::Choose(page, id, (shown + 1) % count);
        } else if (kind == "Edit" && !(style & ES_READONLY)) {
            SetWindowTextA(control, "7");
        } else if (kind == "Button" && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
            SendMessageA(control, BM_SETCHECK, SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
        }
    }
}

std::string SectionName(const Lexer &section) {
    const std::string file = section.FileName();
    return file.substr(file.rfind('\\') + 1, file.rfind('.') - file.rfind('\\') - 1);
}

}

class SettingDialogTest : public SettingsTest {
protected:
    std::vector<std::map<std::string, std::string>> AllValues() const {
        std::vector<std::map<std::string, std::string>> values;
        for (Lexer *section : Sections())
            values.push_back(Values(*section));
        return values;
    }
    std::string Program() const {
        char path[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        return path;
    }
    // Every control of every page changed, a default folder chosen, an item put in each menu list
    // and a launch entry registered.
    void ChangeEverything() {
        for (SettingDialog::Tab tab : {SettingDialog::Basic, SettingDialog::Guide, SettingDialog::Menus, SettingDialog::Launch})
            ChangeEveryControl(Page(tab), "_common", chosen);
        const char *const languages[] = {"cpp", "csv", "hsp", "html", "ini", "sql", "tsv", "vb6", "xml"};
        for (int language = SettingLangDialog::Cpp; language <= SettingLangDialog::Xml; ++language)
            ChangeEveryControl(Language(static_cast<SettingLangDialog::Language>(language)), languages[language], chosen);
        desktop.folders = {folder.substr(0, folder.size() - 1)};
        Click(Page(SettingDialog::Basic), IDC_BASIC_CHOOSE_DIRECTORY);
        const SettingPage &menus = Page(SettingDialog::Menus);
        Select(menus, IDC_MENU_CANDIDATES, 1);
        Click(menus, IDC_MENU_CONTEXT_INSERT);
        Click(menus, IDC_MENU_TOOLBAR_INSERT);
        const SettingPage &launch = Page(SettingDialog::Launch);
        Type(launch, IDC_APP_TYPE, "txt");
        desktop.files = {Program()};
        Click(launch, IDC_APP_BROWSE);
        Click(launch, IDC_APP_REGISTER);
        ASSERT_TRUE(desktop.messages.empty()) << desktop.messages[0].text;
    }

    static size_t SectionIndex(const std::string &name) {
        const auto sections = Sections();
        for (size_t i = 0; i < sections.size(); ++i)
            if (SectionName(*sections[i]) == name)
                return i;
        return sections.size();
    }

    ChosenColors chosen;
};

TEST_F(SettingDialogTest, CancelAfterChangingEveryControlLeavesEverySettingAsItWas) {
    const auto before = AllValues();
    Open();
    ChangeEverything();
    Cancel();
    EXPECT_EQ(nullptr, dialog->GetHandle());
    EXPECT_EQ(before, AllValues());
    for (Lexer *section : Sections())
        EXPECT_FALSE(section->modified) << section->FileName();
}

TEST_F(SettingDialogTest, OkAfterChangingEveryControlStoresExactlyTheKeysThePagesEdit) {
    ASSERT_GE(System::Get().Fonts().Fonts().size(), 2u) << "two Shift-JIS fixed-pitch faces are needed";
    const auto before = AllValues();
    Open();
    ChangeEverything();
    Ok();
    const auto after = AllValues();
    std::set<std::string> changed;
    for (size_t i = 0; i < Sections().size(); ++i) {
        std::set<std::string> keys;
        for (const auto *values : {&before[i], &after[i]})
            for (const auto &value : *values)
                keys.insert(value.first);
        bool sectionChanged = false;
        for (const std::string &key : keys) {
            const auto was = before[i].find(key);
            const auto is = after[i].find(key);
            if (was == before[i].end() || is == after[i].end() || was->second != is->second) {
                changed.insert(SectionName(*Sections()[i]) + " | " + key);
                sectionChanged = true;
            }
        }
        EXPECT_EQ(sectionChanged, Sections()[i]->modified) << Sections()[i]->FileName();
    }
    std::set<std::string> edited;
    for (const std::string &line : TestData::Lines("EDITED_KEYS")) {
        const auto fields = TestData::Fields(line);
        ASSERT_EQ(3u, fields.size()) << line;
        edited.insert(fields[0] + " | " + fields[2]);
        if (fields[1] == "-")
            continue;
        const size_t section = SectionIndex(fields[0]);
        ASSERT_LT(section, after.size()) << line;
        EXPECT_EQ(std::to_string(chosen[{fields[0], std::stoi(fields[1])}]), after[section].at(fields[2])) << line;
    }
    EXPECT_EQ(edited, changed);
    // The untitled document moved to the new default folder.
    EXPECT_STREQ(folder.c_str(), frame->Current()->path.DirectoryPart());
}

TEST_F(SettingDialogTest, OkWithoutChangesMarksNoSectionModified) {
    const auto before = AllValues();
    Open();
    Ok();
    EXPECT_EQ(before, AllValues());
    for (Lexer *section : Sections())
        EXPECT_FALSE(section->modified) << section->FileName();
}

TEST_F(SettingDialogTest, TransparencyIsStoredAsOpacity) {
    Open();
    Choose(Page(SettingDialog::Guide), IDC_GUIDE_OVER_CARET_TRANSPARENCY, 30);
    Ok();
    EXPECT_EQ(70, System::Get().Settings().Common().overCarretOpacity);
}

TEST_F(SettingDialogTest, ANewHspNumberColourRecoloursOpenHspDocumentsAtOnce) {
    const std::string path = folder + "a.hsp";
    TestFiles::Write(path, "x = 12345\r\n");
    ASSERT_TRUE(frame->Open(path.c_str()));
    Document &document = *frame->Current();
    const SystemColor &colors = System::Get().Colors();
    const COLORREF before = document.StyleGetFore(4);
    const COLORREF color = before == Colors::Red ? Colors::Lime : Colors::Red;
    Open();
    Choose(Language(SettingLangDialog::Hsp), IDC_HSP_NUMBER, colors.IndexOf(color));
    Ok();
    EXPECT_EQ(color, document.StyleGetFore(4));
    EXPECT_EQ(color, System::Get().Settings().Hsp().colors[LexerHsp::Number]);
}

// Sizes typed in snap to the chosen face's sizes as they do when the settings are read.
TEST_F(SettingDialogTest, AFontSizeTheFaceDoesNotOfferSnapsToItsSizes) {
    const SystemFont fonts({{"Raster", {9, 12, 16}}, {"Outline", {8, 10, 13, 20}}});
    const LexerCommon &common = System::Get().Settings().Common();
    for (const auto &typed : std::vector<std::pair<const char *, int>>{{"13", 12}, {"7", 9}, {"20", 16}, {"12", 12}}) {
        Open(&fonts);
        Choose(Page(SettingDialog::Basic), IDC_BASIC_FONT_FACE, 0);
        Type(Page(SettingDialog::Basic), IDC_BASIC_FONT_SIZE, typed.first);
        Ok();
        EXPECT_STREQ("Raster", common.fontFace);
        EXPECT_EQ(typed.second, common.fontSize) << typed.first;
    }
}
