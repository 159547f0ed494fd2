// The edit view: creation and reuse, the shared direct function, the wrappers whose buffers and
// positions are easy to get wrong, and the common section's editor settings as the control
// receives them where the view transforms them.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
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

class VessaryTest : public testing::Test {
protected:
    void SetUp() override {
        EditControl::Library();
        ASSERT_TRUE(view.Create(host.Handle(), 3, nullptr));
        view.ApplyBaseConfiguration();
    }
    intptr_t Get(unsigned int message, uintptr_t wParam = 0) const { return SendMessageA(view.GetHandle(), message, wParam, 0); }
    COLORREF Colour(unsigned int message, uintptr_t wParam) const { return static_cast<COLORREF>(Get(message, wParam) & 0xFFFFFF); }
    void Apply() {
        view.ApplyDefaultStyle(settings.Common(), colors);
        view.ApplyEditorSettings(settings.Common(), colors);
    }

    HostWindow host;
    Vessary view;
    SystemFont fonts{std::vector<SystemFontData>{{"ＭＳ ゴシック", {9, 10, 12}}}};
    Setting settings{fonts};
    SystemColor colors;
};

TEST_F(VessaryTest, CreatesAHiddenChildWithTheEditControlIdAndDestroyLeavesItReusable) {
    EXPECT_EQ(GetDlgCtrlID(view.GetHandle()), 32001);
    EXPECT_EQ(GetParent(view.GetHandle()), host.Handle());
    EXPECT_FALSE(IsWindowVisible(view.GetHandle()));
    EXPECT_EQ(view.Index(), 3);
    view.SetModified(true);
    const HWND first = view.GetHandle();
    view.Destroy();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(view.GetHandle(), nullptr);
    EXPECT_EQ(view.Index(), -1);
    EXPECT_FALSE(view.IsModified());
    // Nothing reaches a destroyed control.
    EXPECT_EQ(view.GetLength(), 0);
    ASSERT_TRUE(view.Create(host.Handle(), 6, nullptr));
    view.SetText("again");
    EXPECT_EQ(view.GetText(), "again");
}

TEST_F(VessaryTest, OneDirectFunctionForTheProcessKeptAfterEveryViewIsGone) {
    const Vessary::DirectFunction function = Vessary::SharedDirectFunction();
    ASSERT_NE(function, nullptr);
    auto second = std::make_unique<Vessary>();
    ASSERT_TRUE(second->Create(host.Handle(), 1, nullptr));
    EXPECT_EQ(Vessary::SharedDirectFunction(), function);
    EXPECT_NE(view.DirectPointer(), second->DirectPointer());
    view.Destroy();
    second.reset();
    EXPECT_EQ(Vessary::SharedDirectFunction(), function);
    ASSERT_TRUE(view.Create(host.Handle(), 2, nullptr));
    view.SetText("text");
    EXPECT_EQ(view.GetLength(), 4);
}

TEST_F(VessaryTest, TextGettersReturnExactlyTheShiftJisBytes) {
    const std::string text = "表示\r\nmes \"ソ\"\r\nend";
    view.SetText(text.c_str());
    EXPECT_EQ(view.GetText(), text);
    EXPECT_EQ(Get(SCI_POSITIONAFTER, 0), 2);
    EXPECT_EQ(view.GetLine(1), "mes \"ソ\"\r\n");
    EXPECT_EQ(view.GetLine(2), "end");
    EXPECT_EQ(view.GetTextRange(6, 9), "mes");
    EXPECT_EQ(view.GetTextRange(16, 100), "end");
    EXPECT_EQ(view.GetTextRange(9, 6), "");
    view.SetSelectionStart(10);
    view.SetSelectionEnd(14);
    EXPECT_EQ(view.GetSelText(), "\"ソ\"");

    view.SetText("abc 表 abc");
    Vessary::Position end = 0;
    EXPECT_EQ(view.FindText(0, 1, view.GetLength(), "abc", &end), 7);
    EXPECT_EQ(end, 10);
    EXPECT_EQ(view.FindText(0, 0, view.GetLength(), "zzz", &end), -1);
    EXPECT_EQ(end, -1);
    view.SetTargetStart(0);
    view.SetTargetEnd(view.GetLength());
    view.SetSearchFlags(0);
    EXPECT_EQ(view.SearchInTarget("表", 2), 4);
    EXPECT_EQ(view.GetTargetEnd(), 6);
}

TEST_F(VessaryTest, PositionFromPointIsMinusOneAwayFromText) {
    SetWindowPos(view.GetHandle(), nullptr, 0, 0, 400, 300, SWP_NOZORDER | SWP_SHOWWINDOW);
    view.SetText("first line\r\nsecond");
    const int lineHeight = static_cast<int>(Get(SCI_TEXTHEIGHT));
    const int x = static_cast<int>(SendMessageA(view.GetHandle(), SCI_POINTXFROMPOSITION, 0, 13));
    EXPECT_EQ(view.PositionFromPoint(x + 1, lineHeight + lineHeight / 2), 13);
    EXPECT_EQ(view.PositionFromPoint(380, 280), -1);
}

TEST_F(VessaryTest, CaretLineOpacityIsAPercentOf255Truncated) {
    for (const auto &pair : {std::pair<int, int>{100, 255}, {50, 127}, {0, 0}}) {
        settings.Common().overCarretOpacity = pair.first;
        Apply();
        EXPECT_EQ(Get(SCI_GETCARETLINEBACKALPHA), pair.second) << pair.first;
    }
}

TEST_F(VessaryTest, EveryColourOutsideTheTableShowsAsAliceBlue) {
    LexerCommon &c = settings.Common();
    c.fontColor = c.backColor = c.sideRulerFontColor = c.sideRulerBorderColor = 0x123457;
    c.tabAndSpaceFontColor = c.sideCarretColor = c.overCarretColor = 0x123457;
    Apply();
    const std::pair<int, int> styles[] = {{SCI_STYLEGETFORE, STYLE_DEFAULT},  {SCI_STYLEGETBACK, STYLE_DEFAULT},
                                          {SCI_STYLEGETFORE, STYLE_LINENUMBER}, {SCI_STYLEGETBACK, STYLE_LINENUMBER},
                                          {SCI_STYLEGETFORE, STYLE_FOLDDISPLAYTEXT}};
    for (const auto &style : styles)
        EXPECT_EQ(Colour(style.first, style.second), Colors::AliceBlue) << style.first << " " << style.second;
    for (int element : {SC_ELEMENT_WHITE_SPACE, SC_ELEMENT_CARET, SC_ELEMENT_CARET_LINE_BACK})
        EXPECT_EQ(Colour(SCI_GETELEMENTCOLOUR, element), Colors::AliceBlue) << element;
    EXPECT_EQ(Colour(SCI_GETELEMENTCOLOUR, SC_ELEMENT_SELECTION_BACK), Colors::AliceBlue ^ 0xFFFFFF);
}

// Table colours arrive unchanged; every style takes the default face, size and colours; the
// selection is the inverse of the background; codes out of range show all white space.
TEST_F(VessaryTest, TransformedSettingsReachEveryStyle) {
    LexerCommon &c = settings.Common();
    c.fontColor = Colors::Yellow;
    c.backColor = Colors::Navy;
    c.fontSize = 12;
    c.allowCodetipByMouse = false;
    c.indentViewType = 7;
    Apply();
    EXPECT_EQ(Colour(SCI_STYLEGETFORE, 5), Colors::Yellow);
    EXPECT_EQ(Colour(SCI_STYLEGETBACK, 20), Colors::Navy);
    EXPECT_EQ(Get(SCI_STYLEGETSIZEFRACTIONAL, 7), Get(SCI_STYLEGETSIZEFRACTIONAL, STYLE_DEFAULT));
    EXPECT_EQ(Colour(SCI_GETELEMENTCOLOUR, SC_ELEMENT_SELECTION_TEXT), Colors::Navy ^ 0xFFFFFF);
    EXPECT_EQ(Get(SCI_GETMOUSEDWELLTIME), 10000000);
    EXPECT_EQ(Get(SCI_GETVIEWWS), SCWS_VISIBLEALWAYS);
    c.indentViewType = 1;
    Apply();
    EXPECT_EQ(Get(SCI_GETVIEWWS), SCWS_VISIBLEAFTERINDENT);
}

// The pixels of a rectangle of the view's client area, as the view paints itself.
std::vector<COLORREF> Picture(HWND view, const RECT &area) {
    RECT client;
    GetClientRect(view, &client);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(view, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    std::vector<COLORREF> pixels;
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x)
            pixels.push_back(static_cast<const COLORREF *>(bits)[y * client.right + x]);
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

// Wine draws no "_" of its Japanese fonts at 16 to 20 pixels, the default size among them.
TEST_F(VessaryTest, UnderscoresAreDrawnAtTheDefaultSize) {
    Apply();
    MoveWindow(view.GetHandle(), 0, 0, 300, 60, FALSE);
    view.SetText("MAX_COUNT");
    const auto x = [this](LPARAM position) {
        return static_cast<LONG>(SendMessageA(view.GetHandle(), SCI_POINTXFROMPOSITION, 0, position));
    };
    const RECT cell{x(3) + 1, 0, x(4) - 1, static_cast<LONG>(Get(SCI_TEXTHEIGHT))};
    ASSERT_LT(cell.left, cell.right);
    const std::vector<COLORREF> pixels = Picture(view.GetHandle(), cell);
    EXPECT_NE(std::count(pixels.begin(), pixels.end(), pixels.front()), static_cast<std::ptrdiff_t>(pixels.size()));
}

}
