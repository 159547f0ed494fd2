// The names a script and its includes define, in the completion list and in call tips, through
// the frame's completion command and typing.
#include <gtest/gtest.h>

#include "Scintilla.h"

#include "NavigationFixture.h"
#include "editor/Document.h"
#include "navigation/NavigationCommands.h"
#include "resources/resource.h"

namespace {

const char library[] = "#module\r\n"
                       "#deffunc Foo int a, str b, local c\r\n"
                       "\treturn\r\n"
                       "#defcfunc twice int v ; doubles\r\n"
                       "\treturn v*2\r\n"
                       "#global\r\n"
                       "*lib_label\r\n"
                       "#const MAX 1\r\n"
                       "#uselib \"x.dll\"\r\n";

class CompletionTest : public NavigationTest {
protected:
    void SetUp() override {
        NavigationTest::SetUp();
        MakeFile("lib.as", library);
        OpenFile("main.hsp", "#include \"lib.as\"\r\n*main\r\n");
    }
    // Types at the end of the document, as the keyboard does.
    void Type(const std::string &text) const {
        Current().GotoPos(Current().GetLength());
        for (const char c : text)
            SendMessageA(Current().GetHandle(), WM_CHAR, static_cast<unsigned char>(c), 0);
        Pump();
    }
    std::string ShownTip(int argument) const {
        const CodeTip *tip = Navigation().CallTip(Current(), Current().callTipWord, true);
        if (!tip || argument >= static_cast<int>(tip->ranges.size()))
            return "";
        const auto &range = tip->ranges[static_cast<size_t>(argument)];
        return tip->text.substr(static_cast<size_t>(range.first), static_cast<size_t>(range.second - range.first));
    }
};

// Labels with their asterisk and the names of the completed kinds join the list in byte order.
TEST_F(CompletionTest, ListMergesLabelsAndDefinedNamesOfIncludedFiles) {
    EXPECT_EQ("*lib_label *main Foo MAX abs mes twice zz", Navigation().CompletionList(Current(), "abs mes zz"));

    Type("\tgoto *li");
    Command(IDM_CODE_COMPLETE);
    ASSERT_TRUE(Current().AutocActive());
    char chosen[64] = "";
    SendMessageA(Current().GetHandle(), SCI_AUTOCGETCURRENTTEXT, 0, reinterpret_cast<LPARAM>(chosen));
    EXPECT_STREQ("*lib_label", chosen);
}

// A command's tip follows the commas to its second parameter; a function's opens at "(". Local
// variables are no parameters, and a comment is no part of the line.
TEST_F(CompletionTest, UserDefinedCallTipsHighlightTheArgumentTyped) {
    Type("\tfoo 1,");
    ASSERT_TRUE(Current().CallTipActive());
    EXPECT_EQ(1, Current().callTipArgument);
    EXPECT_EQ("str b", ShownTip(1));
    const CodeTip *tip = Navigation().CallTip(Current(), "foo", false);
    ASSERT_NE(nullptr, tip);
    EXPECT_EQ("Foo int a, str b", tip->text);

    Current().InsertText(Current().GetLength(), " 2\r\n\tx = twice");
    Type("(");
    ASSERT_TRUE(Current().CallTipActive());
    EXPECT_EQ(0, Current().callTipArgument);
    EXPECT_EQ("int v", ShownTip(0));
    EXPECT_EQ(nullptr, Navigation().CallTip(Current(), "max", false));
}

}
