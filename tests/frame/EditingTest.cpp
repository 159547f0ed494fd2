// The editing commands and typing aids reached the way the user reaches them: keys typed into a
// document of the frame, and the menu commands.
#include "FrameFixture.h"

#include <windows.h>

#include <string>

#include "Scintilla.h"
#include "resources/resource.h"

namespace {

class EditingTest : public FrameTest {
protected:
    void Type(const std::string &text) const {
        for (char c : text) {
            if (c == '\n')
                SendMessageA(Current().GetHandle(), WM_KEYDOWN, VK_RETURN, 0);
            else
                SendMessageA(Current().GetHandle(), WM_CHAR, static_cast<unsigned char>(c), 0);
        }
        Pump();
    }
};

TEST_F(EditingTest, TypingHspIndentsAndShowsCallTips) {
    char lexer[64] = "";
    SendMessageA(Current().GetHandle(), SCI_GETLEXERLANGUAGE, 0, reinterpret_cast<LPARAM>(lexer));
    if (!lexer[0])
        GTEST_SKIP() << "the component has no HSP lexer yet";
    Type("*main\nif a {\n");
    EXPECT_EQ(Current().GetText(), "*main\r\n\tif a {\r\n\t\t");
    Type("}");
    EXPECT_EQ(Current().GetLine(2), "\t}");
    Type("\ncolor 1, ");
    ASSERT_TRUE(Current().CallTipActive());
    EXPECT_STREQ(Current().callTipWord, "color");
    EXPECT_EQ(Current().callTipArgument, 1);
    // Moving left of where the tip was opened closes it.
    SendMessageA(Current().GetHandle(), WM_KEYDOWN, VK_HOME, 0);
    Pump();
    EXPECT_FALSE(Current().CallTipActive());

    // From the menu the tip stays wherever the caret goes.
    Current().GotoPos(Current().GetLength());
    Command(IDM_CODE_TIP);
    ASSERT_TRUE(Current().CallTipActive());
    EXPECT_EQ(Current().callTipPosition, -1);
    Current().GotoPos(0);
    Pump();
    EXPECT_TRUE(Current().CallTipActive());
}

TEST_F(EditingTest, CodeCompleteOpensTheListForTheWordTyped) {
    Type("co");
    Command(IDM_CODE_COMPLETE);
    EXPECT_TRUE(Current().AutocActive());
}

TEST_F(EditingTest, OneUndoRevertsAMultiLineCommentInsert) {
    const std::string text = "a\r\nb\r\nc\r\n";
    Current().SetText(text.c_str());
    Current().EmptyUndoBuffer();
    Command(IDM_SELECT_ALL);
    Command(IDM_INSERT_SEMICOLON_COMMENT);
    EXPECT_EQ(Current().GetText(), ";a\r\n;b\r\n;c\r\n;");
    Command(IDM_REMOVE_SEMICOLON_COMMENT);
    EXPECT_EQ(Current().GetText(), text);
    Command(IDM_UNDO);
    Command(IDM_UNDO);
    EXPECT_EQ(Current().GetText(), text);
    EXPECT_FALSE(Current().CanUndo());
}

TEST_F(EditingTest, MenuCommandsWorkOnTheSelection) {
    Current().SetText("Abc\tx");
    Current().SetSelectionStart(0);
    Current().SetSelectionEnd(3);
    Command(IDM_UPPER_CASE);
    EXPECT_EQ(Current().GetText(), "ABC\tx");
    Command(IDM_LOWER_CASE);
    EXPECT_EQ(Current().GetText(), "abc\tx");
    Command(IDM_INSERT_BLOCK_COMMENT);
    EXPECT_EQ(Current().GetText(), "/* abc */\tx");
    Current().GotoPos(0);
    Command(IDM_TABS_TO_SPACES);
    EXPECT_EQ(Current().GetText(), "/* abc */   x");
    Current().GotoPos(0);
    Command(IDM_INSERT_NULL);
    EXPECT_EQ(Current().GetCharAt(0), 0);
    Command(IDM_LAST_LINE);
    Command(IDM_LAST_COLUMN);
    EXPECT_EQ(Current().GetCurrentPos(), Current().GetLength());
}

}
