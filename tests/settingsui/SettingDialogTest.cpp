// The settings dialog as a whole: Cancel changes nothing; OK stores exactly what the pages edit,
// each key from its own control, and nothing when nothing changed.
#include "SettingsFixture.h"

#include <tinyxml.h>

#include <algorithm>
#include <map>
#include <set>

#include "app/System.h"
#include "editor/Document.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"
#include "settings/SystemColor.h"
#include "settings/SystemFont.h"
#include "settingsui/SettingsUiResources.h"
#include "support/TestData.h"
#include "support/TestFiles.h"

namespace {

using Values = std::map<std::string, std::string>;
// The colour each colour control was set to, by section name and control id.
using ChosenColors = std::map<std::pair<std::string, int>, COLORREF>;

// In the order of SettingsTest::Sections: common first, then the language pages' order.
const char *const sectionNames[] = {"_common", "cpp", "csv", "hsp", "html", "ini", "sql", "tsv", "vb6", "xml"};

// Every element below element by its key (name[id] levels); values kept in attributes as
// key@attribute.
void Collect(const TiXmlElement *element, const std::string &key, Values &values) {
    for (const TiXmlElement *child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const std::string path = key + child->ValueStr() + "[" + (child->Attribute("id") ? child->Attribute("id") : "") + "]";
        if (child->GetText())
            values[path] = child->GetText();
        for (const TiXmlAttribute *attribute = child->FirstAttribute(); attribute; attribute = attribute->Next())
            if (attribute->NameTStr() != "id")
                values[path + "@" + attribute->NameTStr()] = attribute->ValueStr();
        Collect(child, path, values);
    }
}

// Every section's values as its file would hold them.
std::vector<Values> AllValues() {
    std::vector<Values> all;
    for (Lexer *section : SettingsTest::Sections()) {
        TiXmlElement style("style"), event("event");
        section->styleElement = &style;
        section->eventElement = &event;
        section->Write();
        section->styleElement = section->eventElement = nullptr;
        all.emplace_back();
        Collect(&style, "", all.back());
        Collect(&event, "", all.back());
    }
    return all;
}

// Moves every enabled combo box of the page to another item (a colour chosen by the control's
// id, so that a control editing another key than its own shows), types a number into every
// writable edit and flips every check box.
void ChangeEveryControl(const SettingPage &page, const std::string &section, ChosenColors &chosen) {
    for (HWND control = GetWindow(page.GetHandle(), GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        char kind[32] = "";
        GetClassNameA(control, kind, sizeof kind);
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        const int id = GetDlgCtrlID(control);
        const int count = static_cast<int>(SendMessageA(control, CB_GETCOUNT, 0, 0));
        const int shown = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
        if (!IsWindowEnabled(control))
            continue;
        if (std::string(kind) == "ComboBoxEx32") {
            const int index = id % SystemColor::Count == shown ? (shown + 1) % SystemColor::Count : id % SystemColor::Count;
            SettingsTest::Choose(page, id, index);
            chosen[{section, id}] = System::Get().Colors()[index].color;
        } else if (std::string(kind) == "ComboBox" && count > 1) {
            SettingsTest::Choose(page, id, (shown + 1) % count);
        } else if (std::string(kind) == "Edit" && !(style & ES_READONLY)) {
            SetWindowTextA(control, "7");
        } else if (std::string(kind) == "Button" && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
            SendMessageA(control, BM_SETCHECK, !SendMessageA(control, BM_GETCHECK, 0, 0), 0);
        }
    }
}

}

class SettingDialogTest : public SettingsTest {
protected:
    // Every control of every page changed, transparency 30 chosen, a default folder chosen, an
    // item put in each menu list and a launch entry registered.
    void ChangeEverything() {
        for (SettingDialog::Tab tab : {SettingDialog::Basic, SettingDialog::Guide, SettingDialog::Menus, SettingDialog::Launch})
            ChangeEveryControl(Page(tab), "_common", chosen);
        for (int language = SettingLangDialog::Cpp; language <= SettingLangDialog::Xml; ++language)
            ChangeEveryControl(Language(static_cast<SettingLangDialog::Language>(language)), sectionNames[language + 1], chosen);
        Choose(Page(SettingDialog::Guide), IDC_GUIDE_OVER_CARET_TRANSPARENCY, 30);
        desktop.folders = {folder.substr(0, folder.size() - 1)};
        Click(Page(SettingDialog::Basic), IDC_BASIC_CHOOSE_DIRECTORY);
        Select(Page(SettingDialog::Menus), IDC_MENU_CANDIDATES, 1);
        Click(Page(SettingDialog::Menus), IDC_MENU_CONTEXT_INSERT);
        Click(Page(SettingDialog::Menus), IDC_MENU_TOOLBAR_INSERT);
        Type(Page(SettingDialog::Launch), IDC_APP_TYPE, "txt");
        desktop.files = {Program()};
        Click(Page(SettingDialog::Launch), IDC_APP_BROWSE);
        Click(Page(SettingDialog::Launch), IDC_APP_REGISTER);
        ASSERT_TRUE(desktop.messages.empty()) << desktop.messages[0].text;
    }
    void ExpectNothingModified() const {
        for (Lexer *section : Sections())
            EXPECT_FALSE(section->modified) << section->FileName();
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
    ExpectNothingModified();
}

TEST_F(SettingDialogTest, OkAfterChangingEveryControlStoresExactlyTheKeysThePagesEdit) {
    ASSERT_GE(System::Get().Fonts().Fonts().size(), 2u) << "two Shift-JIS fixed-pitch faces are needed";
    const auto before = AllValues();
    Open();
    ChangeEverything();
    Ok();
    const auto after = AllValues();
    std::set<std::string> changed;
    for (size_t i = 0; i < after.size(); ++i) {
        Values keys = before[i];
        keys.insert(after[i].begin(), after[i].end());
        for (const auto &key : keys) {
            const auto was = before[i].find(key.first), is = after[i].find(key.first);
            if (was == before[i].end() || is == after[i].end() || was->second != is->second)
                changed.insert(sectionNames[i] + std::string(" | ") + key.first);
        }
        EXPECT_EQ(before[i] != after[i], Sections()[i]->modified) << sectionNames[i];
    }
    std::set<std::string> edited;
    for (const std::string &line : TestData::Lines("EDITED_KEYS")) {
        const auto fields = TestData::Fields(line);
        ASSERT_EQ(3u, fields.size()) << line;
        edited.insert(fields[0] + " | " + fields[2]);
        const size_t section = std::find(std::begin(sectionNames), std::end(sectionNames), fields[0]) - std::begin(sectionNames);
        if (fields[1] != "-" && section < after.size()) {
            EXPECT_EQ(std::to_string(chosen[{fields[0], std::stoi(fields[1])}]), after[section].at(fields[2])) << line;
        }
    }
    EXPECT_EQ(edited, changed);
    EXPECT_EQ(70, System::Get().Settings().Common().overCarretOpacity);
    // The untitled document moved to the new default folder.
    EXPECT_STREQ(folder.c_str(), frame->Current()->path.DirectoryPart());
}

TEST_F(SettingDialogTest, OkWithoutChangesMarksNoSectionModified) {
    const auto before = AllValues();
    Open();
    Ok();
    EXPECT_EQ(before, AllValues());
    ExpectNothingModified();
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
