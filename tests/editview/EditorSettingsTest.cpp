// The editor settings of the common section as the control receives them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Scintilla.h"
#include "editor/Vessary.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"
#include "settings/SystemColor.h"
#include "settings/SystemFont.h"
#include "support/EditControl.h"
#include "support/HostWindow.h"

namespace {

class EditorSettingsTest : public testing::Test {
protected:
    void SetUp() override {
        EditControl::Library();
        ASSERT_TRUE(view.Create(host.Handle(), 0, nullptr));
        view.ApplyBaseConfiguration();
    }

    intptr_t Get(unsigned int message, uintptr_t wParam = 0) const {
        return SendMessageA(view.GetHandle(), message, wParam, 0);
    }
    COLORREF Element(int element) const { return static_cast<COLORREF>(Get(SCI_GETELEMENTCOLOUR, element) & 0xFFFFFF); }
    void Apply() {
        view.ApplyDefaultStyle(common(), colors);
        view.ApplyEditorSettings(common(), colors);
    }
    LexerCommon &common() { return settings.Common(); }

    HostWindow host;
    Vessary view;
    SystemFont fonts{std::vector<SystemFontData>{{"ＭＳ ゴシック", {9, 10, 12}}}};
    Setting settings{fonts};
    SystemColor colors;
};

TEST_F(EditorSettingsTest, CaretLineOpacityIsAPercentOf255Truncated) {
    for (const auto &pair : {std::pair<int, int>{100, 255}, {50, 127}, {0, 0}, {16, 40}}) {
        common().overCarretOpacity = pair.first;
        Apply();
        EXPECT_EQ(Get(SCI_GETCARETLINEBACKALPHA), pair.second) << pair.first;
    }
}

TEST_F(EditorSettingsTest, EveryColourOutsideTheTableShowsAsAliceBlue) {
    const COLORREF odd = 0x123457;
    LexerCommon &c = common();
    c.fontColor = c.backColor = c.sideRulerFontColor = c.sideRulerBorderColor = odd;
    c.tabAndSpaceFontColor = c.sideCarretColor = c.overCarretColor = odd;
    Apply();
    const COLORREF alice = Colors::AliceBlue;
    EXPECT_EQ(static_cast<COLORREF>(Get(SCI_STYLEGETFORE, STYLE_DEFAULT)), alice);
    EXPECT_EQ(static_cast<COLORREF>(Get(SCI_STYLEGETBACK, STYLE_DEFAULT)), alice);
    EXPECT_EQ(static_cast<COLORREF>(Get(SCI_STYLEGETFORE, STYLE_LINENUMBER)), alice);
    EXPECT_EQ(static_cast<COLORREF>(Get(SCI_STYLEGETBACK, STYLE_LINENUMBER)), alice);
    EXPECT_EQ(static_cast<COLORREF>(Get(SCI_STYLEGETFORE, STYLE_FOLDDISPLAYTEXT)), alice);
    EXPECT_EQ(Element(SC_ELEMENT_WHITE_SPACE), alice);
    EXPECT_EQ(Element(SC_ELEMENT_CARET), alice);
    EXPECT_EQ(Element(SC_ELEMENT_CARET_LINE_BACK), alice);
    EXPECT_EQ(Element(SC_ELEMENT_SELECTION_BACK), alice ^ 0xFFFFFF);
    EXPECT_EQ(Element(SC_ELEMENT_SELECTION_TEXT), alice ^ 0xFFFFFF);
}

TEST_F(EditorSettingsTest, TableColoursArriveUnchangedAndEveryStyleTakesTheDefaultOnes) {
    LexerCommon &c = common();
    c.fontColor = Colors::Yellow;
    c.backColor = Colors::Navy;
    c.sideRulerFontColor = Colors::Gray;
    Apply();
    EXPECT_EQ(static_cast<COLORREF>(Get(SCI_STYLEGETFORE, 5)), Colors::Yellow);
    EXPECT_EQ(static_cast<COLORREF>(Get(SCI_STYLEGETBACK, 20)), Colors::Navy);
    EXPECT_EQ(static_cast<COLORREF>(Get(SCI_STYLEGETFORE, STYLE_LINENUMBER)), Colors::Gray);
    EXPECT_EQ(static_cast<COLORREF>(Get(SCI_STYLEGETBACK, STYLE_LINENUMBER)), Colors::Navy);
    EXPECT_EQ(Element(SC_ELEMENT_SELECTION_BACK), Colors::Navy ^ 0xFFFFFF);
}

TEST_F(EditorSettingsTest, IndentViewTypeChoosesTheWhiteSpaceMode) {
    for (const auto &pair : {std::pair<int, int>{0, SCWS_INVISIBLE}, {1, SCWS_VISIBLEAFTERINDENT},
                             {2, SCWS_VISIBLEALWAYS}, {7, SCWS_VISIBLEALWAYS}, {-1, SCWS_VISIBLEALWAYS}}) {
        common().indentViewType = pair.first;
        Apply();
        EXPECT_EQ(Get(SCI_GETVIEWWS), pair.second) << pair.first;
    }
}

TEST_F(EditorSettingsTest, IndentBySpaceTurnsTabsOffAndCodeTipsByMouseSetTheDwellTime) {
    LexerCommon &c = common();
    c.indentBySpace = true;
    c.allowCodetipByMouse = false;
    Apply();
    EXPECT_EQ(Get(SCI_GETUSETABS), 0);
    EXPECT_EQ(Get(SCI_GETMOUSEDWELLTIME), 10000000);
    c.indentBySpace = false;
    c.allowCodetipByMouse = true;
    Apply();
    EXPECT_EQ(Get(SCI_GETUSETABS), 1);
    EXPECT_EQ(Get(SCI_GETMOUSEDWELLTIME), 750);
}

TEST_F(EditorSettingsTest, SpaceVisibleShowsFullWidthSpaces) {
    char mark[16] = "";
    common().spaceVisible = true;
    Apply();
    SendMessageA(view.GetHandle(), SCI_GETREPRESENTATION, reinterpret_cast<WPARAM>("\x81\x40"),
                 reinterpret_cast<LPARAM>(mark));
    EXPECT_STREQ(mark, "□");
    common().spaceVisible = false;
    Apply();
    mark[0] = '\0';
    SendMessageA(view.GetHandle(), SCI_GETREPRESENTATION, reinterpret_cast<WPARAM>("\x81\x40"),
                 reinterpret_cast<LPARAM>(mark));
    EXPECT_STREQ(mark, "");
}

TEST_F(EditorSettingsTest, TheFontFaceAndSizeReachEveryStyle) {
    LexerCommon &c = common();
    lstrcpynA(c.fontFace, "ＭＳ ゴシック", sizeof c.fontFace);
    c.fontSize = 12;
    Apply();
    EXPECT_EQ(Get(SCI_STYLEGETSIZE, 7), 12);
    char face[64] = "";
    SendMessageA(view.GetHandle(), SCI_STYLEGETFONT, 7, reinterpret_cast<LPARAM>(face));
    // The control keeps face names in UTF-8.
    EXPECT_STREQ(face, "\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF");
}

}
