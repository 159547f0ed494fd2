// The editing commands and typing aids reached the way the user reaches them: keys typed into a
// document of the frame, and the menu commands.
#include "FrameFixture.h"

#include <windows.h>

#include <string>

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

// Typed keys reach the typing aids; a tip typed open closes left of its keyword, one from the
// menu stays wherever the caret goes.
TEST_F(EditingTest, TypingHspIndentsAndShowsCallTips) {
    Type("if a {\n");
    EXPECT_EQ(Current().GetText(), "if a {\r\n\t");
    Type("}\ncolor 1, ");
    EXPECT_EQ(Current().GetText(), "if a {\r\n}\r\ncolor 1, ");
    ASSERT_TRUE(Current().CallTipActive());
    EXPECT_STREQ(Current().callTipWord, "color");
    EXPECT_EQ(Current().callTipArgument, 1);
    SendMessageA(Current().GetHandle(), WM_KEYDOWN, VK_HOME, 0);
    Pump();
    EXPECT_FALSE(Current().CallTipActive());
    Current().GotoPos(Current().GetLength());
    Command(IDM_CODE_TIP);
    ASSERT_TRUE(Current().CallTipActive());
    Current().GotoPos(0);
    Pump();
    EXPECT_TRUE(Current().CallTipActive());
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
    Command(IDM_INSERT_BLOCK_COMMENT);
    EXPECT_EQ(Current().GetText(), "/* ABC */\tx");
    Current().GotoPos(0);
    Command(IDM_TABS_TO_SPACES);
    EXPECT_EQ(Current().GetText(), "/* ABC */   x");
    Type("co");
    Command(IDM_CODE_COMPLETE);
    EXPECT_TRUE(Current().AutocActive());
}

}
