// The HTML export: the byte walk and the markers on their own, then the command on documents of
// a real frame. The page of an HSP script is also left for the browser check (Browser.cmake).
#include "frame/FrameFixture.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "app/System.h"
#include "html/HtmlText.h"
#include "log/Logger.h"
#include "resources/resource.h"
#include "support/TestFiles.h"

namespace {

// The rows of a walk with the markers replaced, "|" between rows; styles: one digit per byte.
std::string Walk(const std::string &text, std::string styles, size_t end) {
    for (char &style : styles)
        style = static_cast<char>(style - '0');
    std::string rows;
    for (const HtmlText::Row &row : HtmlText::WalkLines(text, styles, end, 7, "s").rows)
        rows += (rows.empty() ? "" : "|") + std::to_string(row.number) + ":" + HtmlText::ReplaceMarkers(row.code);
    return rows;
}

TEST(HtmlText, WalkWritesRunsOfOneStylePerLine) {
    const struct {
        std::string text, styles;
        size_t end;
        const char *rows;
    } cases[] = {
        // A space or tab is one &nbsp; and never starts a run.
        {"a\tb c", "11122", 5, "7:<span class=\"s01\">a&nbsp;b&nbsp;</span><span class=\"s02\">c</span>"},
        {"  x", "003", 3, "7:&nbsp;&nbsp;<span class=\"s03\">x</span>"},
        // CR LF, CR and LF each end one line; a CR at the range's end with its LF beyond ends the last.
        {"a\r\nb\rc\n", "1111111", 7, "7:<span class=\"s01\">a</span>|8:<span class=\"s01\">b</span>|9:<span class=\"s01\">c</span>|10:"},
        {"a\r\n", "111", 2, "7:<span class=\"s01\">a</span>"},
        // A double-byte character is never split; a lead byte before a line end stands alone.
        {"\x82\xA0\x82\n", "1211", 4, "7:<span class=\"s01\">\x82\xA0\x82</span>|8:"},
        // DEL bytes of the text stay what they are, whatever follows them.
        {"\x7F\x80\x7F\xFD\x7F\xFE\x7F\xFF\x7F\x7F", "0000000000", 10,
         "7:<span class=\"s00\">\x7F\x80\x7F\xFD\x7F\xFE\x7F\xFF\x7F\x7F</span>"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.rows, Walk(c.text, c.styles, c.end)) << c.text;
    EXPECT_EQ((std::vector<int>{2, 5}), HtmlText::WalkLines("ab c", "\x05\x05\x01\x02", 4, 1, "s").styles)
        << "a style only under a space opens no span";
}

class HtmlExport : public FrameTest {
protected:
    // The document's text after the export, which must take one undo step.
    std::string Export(const std::string &text, Vessary::Position start = 0, Vessary::Position end = 0) const {
        Current().SetText(text.c_str());
        Current().EmptyUndoBuffer();
        Current().SetSelectionStart(start);
        Current().SetSelectionEnd(end);
        Command(IDM_CONVERT_HTML);
        const std::string page = Current().GetText();
        Current().Undo();
        EXPECT_EQ(text, Current().GetText());
        EXPECT_FALSE(Current().CanUndo());
        return page;
    }
    static bool Has(const std::string &page, const std::string &part) { return page.find(part) != std::string::npos; }
};

TEST_F(HtmlExport, WholeScriptBecomesAPageInTheEditorsColours) {
    OpenFile("sample.hsp", "");
    const std::string page = Export("mes \"<&>\"\r\n\tcolor 1 ; \x7F\xFE\r\n");
    for (const char *part : {"<title>sample</title>", "<td class=\"lang300line\">1</td>", "<td class=\"lang300line\">3</td>",
                             "<span class=\"lang300type06\">&quot;&lt;&amp;&gt;&quot;</span>",
                             "<td>&nbsp;<span class=\"lang300type13\">color&nbsp;</span>", "&nbsp;\x7F\xFE</span>",
                             "span.lang300type13 { color:mediumvioletred; }\r\n", "span.lang300type03 { color:olive; }\r\n",
                             "table.lang300 { width:100%; border-collapse:collapse;", "charset=Shift_JIS"})
        EXPECT_TRUE(Has(page, part)) << part;
    EXPECT_FALSE(Has(page, "type02")) << "no block comment, no rule for it";
}

TEST_F(HtmlExport, SelectionInsideOneLineGivesThatLinesRow) {
    const std::string page = Export("a\r\nbcd\r\ne\r\n", 4, 5);
    EXPECT_TRUE(Has(page, "<td class=\"lang300line\">2</td>") && Has(page, "\">c</span>"));
    EXPECT_FALSE(Has(page, "<td class=\"lang300line\">1</td>") || Has(page, "<td class=\"lang300line\">3</td>"));
}

TEST_F(HtmlExport, MissingTemplateLeavesTheDocumentAndLogs) {
    Logger &logger = System::Get().GetLogger();
    const unsigned short level = std::exchange(logger.level, static_cast<unsigned short>(5));
    const std::string path = TestFiles::ProgramFolder() + "template\\html.xml";
    ASSERT_TRUE(MoveFileA(path.c_str(), (path + ".aside").c_str()));
    Current().SetText("mes 1");
    Command(IDM_CONVERT_HTML);
    MoveFileA((path + ".aside").c_str(), path.c_str());
    logger.level = level;
    EXPECT_EQ("mes 1", Current().GetText());
    EXPECT_TRUE(Has(TestFiles::Read(logger.CurrentFile()), "(e) - couldn't read template file. [" + path + "]\r\n"));
}

// Leaves an HSP script, its page and the editor's colours of a command, a comment and a string
// in html-browser\ beside the test program, for the browser check.
TEST_F(HtmlExport, PageOfAnHspScriptForTheBrowser) {
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    const std::string output = std::string(program, std::strrchr(program, '\\') + 1) + "html-browser\\";
    CreateDirectoryA(output.c_str(), nullptr);
    TestFiles::Write(output + "browser.hsp", "; 日本語のコメント\r\nmes \"こんにちは、世界\"\r\ncolor 255, 0, 0\r\n");
    ASSERT_TRUE(frame->Open((output + "browser.hsp").c_str()));
    Command(IDM_CONVERT_HTML);
    TestFiles::Write(output + "page.html", Current().GetText());
    std::string colors;
    for (const auto &[name, style] : {std::pair<const char *, int>{"command", 13}, {"comment", 3}, {"string", 6}}) {
        const COLORREF color = Current().StyleGetFore(style);
        char line[32];
        std::snprintf(line, sizeof line, "%s %02x%02x%02x\n", name, GetRValue(color), GetGValue(color), GetBValue(color));
        colors += line;
    }
    TestFiles::Write(output + "colors.txt", colors);
}

}
