// The edit view: creation and reuse, the shared direct function, and the wrappers whose
// buffers and positions are easy to get wrong.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Scintilla.h"
#include "editor/Vessary.h"
#include "support/EditControl.h"
#include "support/HostWindow.h"

namespace {

class VessaryTest : public testing::Test {
protected:
    void SetUp() override { EditControl::Library(); }
    HostWindow host;
};

TEST_F(VessaryTest, CreatesAHiddenBorderedChildWithTheEditControlId) {
    Vessary view;
    ASSERT_TRUE(view.Create(host.Handle(), 3, nullptr));
    char className[32] = "";
    GetClassNameA(view.GetHandle(), className, sizeof className);
    EXPECT_STREQ(className, "Scintilla");
    EXPECT_EQ(GetDlgCtrlID(view.GetHandle()), 32001);
    EXPECT_EQ(GetParent(view.GetHandle()), host.Handle());
    EXPECT_FALSE(IsWindowVisible(view.GetHandle()));
    EXPECT_TRUE(view.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_EQ(view.Index(), 3);
    EXPECT_NE(view.DirectPointer(), 0);
}

TEST_F(VessaryTest, DestroyResetsAndLeavesTheObjectReusable) {
    Vessary view;
    ASSERT_TRUE(view.Create(host.Handle(), 5, nullptr));
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
    EXPECT_EQ(view.Index(), 6);
}

TEST_F(VessaryTest, OneDirectFunctionForTheProcessKeptAfterEveryViewIsGone) {
    auto first = std::make_unique<Vessary>();
    ASSERT_TRUE(first->Create(host.Handle(), 0, nullptr));
    const Vessary::DirectFunction function = Vessary::SharedDirectFunction();
    ASSERT_NE(function, nullptr);
    auto second = std::make_unique<Vessary>();
    ASSERT_TRUE(second->Create(host.Handle(), 1, nullptr));
    EXPECT_EQ(Vessary::SharedDirectFunction(), function);
    EXPECT_NE(first->DirectPointer(), second->DirectPointer());
    first.reset();
    second.reset();
    EXPECT_EQ(Vessary::SharedDirectFunction(), function);

    Vessary later;
    ASSERT_TRUE(later.Create(host.Handle(), 2, nullptr));
    later.SetText("text");
    EXPECT_EQ(later.GetLength(), 4);
}

TEST_F(VessaryTest, TextGettersReturnExactlyTheShiftJisBytes) {
    Vessary view;
    ASSERT_TRUE(view.Create(host.Handle(), 0, nullptr));
    view.ApplyBaseConfiguration();
    const std::string text = "表示\r\nmes \"ソ\"\r\nend";
    view.SetText(text.c_str());
    EXPECT_EQ(view.GetText(), text);
    EXPECT_EQ(view.GetTextLength(), static_cast<Vessary::Position>(text.size()));
    EXPECT_EQ(view.GetLineCount(), 3);
    EXPECT_EQ(view.GetLine(1), "mes \"ソ\"\r\n");
    EXPECT_EQ(view.GetLine(2), "end");
    EXPECT_EQ(view.GetTextRange(6, 9), "mes");
    EXPECT_EQ(view.GetTextRange(16, 100), "end");
    EXPECT_EQ(view.GetTextRange(9, 6), "");
    EXPECT_EQ(view.PositionFromLine(2), 16);
    EXPECT_EQ(view.LineFromPosition(7), 1);
    EXPECT_EQ(view.GetLineEndPosition(0), 4);

    view.SetSelectionStart(10);
    view.SetSelectionEnd(14);
    EXPECT_EQ(view.GetSelText(), "\"ソ\"");
    view.ReplaceSel("x");
    EXPECT_EQ(view.GetLine(1), "mes x\r\n");
}

TEST_F(VessaryTest, FindAndTargetSearchReportWhereTheMatchIs) {
    Vessary view;
    ASSERT_TRUE(view.Create(host.Handle(), 0, nullptr));
    view.ApplyBaseConfiguration();
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
    EXPECT_EQ(view.ReplaceTarget("hyou", 4), 4);
    EXPECT_EQ(view.GetText(), "abc hyou abc");
}

TEST_F(VessaryTest, BaseConfigurationMakesDoubleByteCharactersOneUnit) {
    Vessary view;
    ASSERT_TRUE(view.Create(host.Handle(), 0, nullptr));
    view.SetText("表x");
    view.ApplyBaseConfiguration();
    EXPECT_EQ(SendMessageA(view.GetHandle(), SCI_POSITIONAFTER, 0, 0), 2);
}

TEST_F(VessaryTest, PositionFromPointIsMinusOneAwayFromText) {
    Vessary view;
    ASSERT_TRUE(view.Create(host.Handle(), 0, nullptr));
    view.ApplyBaseConfiguration();
    SetWindowPos(view.GetHandle(), nullptr, 0, 0, 400, 300, SWP_NOZORDER | SWP_SHOWWINDOW);
    view.SetText("first line\r\nsecond");
    const int lineHeight = static_cast<int>(SendMessageA(view.GetHandle(), SCI_TEXTHEIGHT, 0, 0));
    const int x = static_cast<int>(SendMessageA(view.GetHandle(), SCI_POINTXFROMPOSITION, 0, 13));
    EXPECT_EQ(view.PositionFromPoint(x + 1, lineHeight + lineHeight / 2), 13);
    EXPECT_EQ(view.PositionFromPoint(380, 280), -1);
}

}
