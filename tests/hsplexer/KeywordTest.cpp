#include <gtest/gtest.h>

#include "hsplexer/HspView.h"

using namespace HspTest;

TEST(HspKeywords, EachSetGivesItsStyle) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"strlen", FUNC}, {" ", DEF}, {"mes", CMD}, {" ", DEF}, {"m_pi", MAC}, {" ", DEF},
                                 {"stat", SYS}, {" ", DEF}, {"sendmessagea", API}, {" ", DEF}, {"es_ini", PLUG},
                                 {" ", DEF}, {"myfunc", USER}, {" ", DEF}, {"other", ID}}));
}

TEST(HspKeywords, LookupIgnoresCase) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"MES", CMD}, {" ", DEF}, {"SendMessageA", API}, {" ", DEF}, {"MyFunc", USER}}));
}

TEST(HspKeywords, WhichSetWinsForAWordInSeveral) {
    HspView view;
    // Functions, commands, macros, system variables, Win32 API, plug-ins, user keywords.
    EXPECT_TRUE(StylesAre(view, {{"dup", FUNC}, {" ", DEF}, {"exist", CMD}, {" ", DEF}, {"hwnd", SYS}, {" ", DEF},
                                 {"messageboxa", API}, {" ", DEF}, {"hgini", PLUG}}));
    // On a directive line the reserved words of directives come first.
    EXPECT_TRUE(StylesAre(view, {{"#cfunc", PP}, {" ", DEF}, {"f", ID}, {" ", DEF}, {"\"f\"", STR}, {" ", DEF},
                                 {"int", RES}, {",", OP}, {"str", RES}, {",", OP}, {"onexit", RES}, {",", OP},
                                 {"mes", CMD}}));
}

TEST(HspKeywords, ModuleSuffixIsLookedUpByItsBase) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"mes@hsp", CMD}, {" ", DEF}, {"strlen@hsp", FUNC}, {"(", OP}, {"func@mymod", ID},
                                 {")", OP}, {" ", DEF}, {"@hsp", ID}, {" ", DEF}, {"myfunc@m@n", USER}}));
}

TEST(HspKeywords, JapaneseAndHalfWidthKatakanaNames) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"関数", USER}, {" ", DEF}, {"関数@モジュール", USER}, {" ", DEF}, {"点数ァ", ID},
                                 {"=", OP}, {"ｶﾀｶﾅ", ID}, {"+", OP}, {"変数1", ID}}));
}

TEST(HspKeywords, ChangedListsRestyleTheText) {
    HspView view;
    view.Style("alpha beta");
    view.SetKeywords(8, "Beta ");
    view.Control().Colourise();
    EXPECT_EQ(std::string({ID, ID, ID, ID, ID, DEF, USER, USER, USER, USER}), view.Styles());
}

TEST(HspKeywords, LongNamesAreNamesWhateverTheirPrefix) {
    HspView view;
    const std::string name = "mes" + std::string(300, 'x');
    EXPECT_TRUE(StylesAre(view, {{name, ID}, {" ", DEF}, {"mes", CMD}}));
}
