// The component's INI, CSV and TSV lexers on sample texts, byte by byte.
#include <gtest/gtest.h>

#include <string>

#include "Scintilla.h"
#include "support/EditControl.h"
#include "vessary/VessaryMessages.h"

namespace {

// One digit per byte of the text: its style number.
std::string StyleDigits(const EditControl &edit) {
    std::string digits = edit.Styles();
    for (char &d : digits)
        d = static_cast<char>('0' + d);
    return digits;
}

std::string Colour(EditControl &edit, int lexer, const std::string &text) {
    edit.Send(SCI_SETLEXER, static_cast<uintptr_t>(lexer));
    edit.SetText(text);
    edit.Colourise();
    return StyleDigits(edit);
}

TEST(IniLexer, CommentsSectionsKeysSeparatorsAndValues) {
    EditControl edit;
    const std::string text = "; note\r\n[main]\r\nname = a=b\r\n  # also\r\nplain\r\n";
    const std::string styles = "111111" "00" "222222" "00" "3333345555" "00" "00111111" "00" "00000" "00";
    EXPECT_EQ(Colour(edit, VSLEX_INI, text), styles);
    EXPECT_EQ(Colour(edit, VSLEX_PROJECT, text), styles);
    // A section ends at its bracket, not at a trail byte: "評" is 0x95 0x5D, its second byte "]".
    EXPECT_EQ(Colour(edit, VSLEX_INI, "[評価]x\r\n[open\r\nk=v"), "222222" "0" "00" "22222" "00" "345");
}

TEST(CsvLexer, FieldsAlternateAndAQuotedFieldHoldsCommasBreaksAndQuotes) {
    EditControl edit;
    const std::string text = "a,\"b,c\",d\r\n\"e\r\nf\",g\r\n\"a\"\"b,c\",d";
    const std::string styles =
        "0" "2" "11111" "2" "0" "22"
        "00000" "0" "2" "1" "22"
        "00000000" "2" "1";
    EXPECT_EQ(Colour(edit, VSLEX_CSV, text), styles);
    // A quote inside an unquoted field is plain text.
    EXPECT_EQ(Colour(edit, VSLEX_CSV, "ab\"c,d\n"), "0000" "2" "1" "2");
}

TEST(CsvLexer, RestylingFromALaterLineKeepsTheOpenQuotedField) {
    EditControl edit;
    const std::string text = "1,\"two\r\nlines,\r\nstill\",3\r\n4,5";
    const std::string whole = Colour(edit, VSLEX_CSV, text);
    EXPECT_EQ(whole, "0" "2" "111111" "11111111" "1111112" "0" "22" "0" "2" "1");
    // Styling asked again from inside the third line must know the field is still open there.
    const size_t third = text.find("still");
    edit.Send(SCI_COLOURISE, third + 2, -1);
    EXPECT_EQ(StyleDigits(edit).substr(third), whole.substr(third));
}

TEST(CsvLexer, ClosingTheQuoteOnAnEarlierLineRestylesTheLinesAfterIt) {
    EditControl edit;
    Colour(edit, VSLEX_CSV, "\"a\r\nb,c\r\nd,e");
    EXPECT_EQ(StyleDigits(edit), "000" "0" "0000" "0" "000");
    edit.Send(SCI_INSERTTEXT, 2, "\"");
    edit.Colourise();
    EXPECT_EQ(StyleDigits(edit), "000" "22" "0" "2" "1" "22" "0" "2" "1");
}

// "ソ" (0x83 0x5C) and "表" (0x95 0x5C) end in a backslash, "ー" (0x81 0x5B) in "[".
TEST(OwnLexers, TsvFieldsAlternateAndDoubleByteTextKeepsOneStylePerCharacter) {
    EditControl edit;
    EXPECT_EQ(Colour(edit, VSLEX_TSV, "a\tbb\tc\r\nd\t\"e,f\""), "00" "222" "0" "00" "00" "22222");
    EXPECT_EQ(Colour(edit, VSLEX_CSV, "ソ表,ー\r\n"), "0000" "2" "11" "22");
    EXPECT_EQ(Colour(edit, VSLEX_INI, "k=ソー\r\n"), "3" "4" "5555" "00");
}

}
