// The jump dialog, opened by its commands in the real frame: its label and definition lists
// (cases in labels.txt and definitions.txt), the keyword search, the position page.
#include <gtest/gtest.h>

#include "Cases.h"
#include "CaseResources.h"
#include "NavigationFixture.h"
#include "editor/Document.h"
#include "framework/DialogManager.h"
#include "navigation/JumpDialog.h"
#include "navigation/JumpLabelDialog.h"
#include "navigation/JumpMemory.h"
#include "navigation/JumpPosDialog.h"
#include "navigation/JumpPrepDialog.h"
#include "navigation/JumpWordDialog.h"
#include "navigation/NavigationCommands.h"
#include "resources/resource.h"

namespace {

const char *const allKinds[] = {"cfunc", "cmd", "comfunc", "const", "defcfunc", "deffunc",
                                "define", "enum", "func", "modcfunc", "modfunc", "usecom"};

// The rows as the case files write them: cells from column 1 on, tab-separated, the selected
// row marked with ">".
std::string Rows(const JumpList &list, int columns) {
    std::string rows;
    const int selected = list.GetNextSelected();
    for (int row = 0; row < list.GetItemCount(); ++row) {
        rows += row == selected ? ">" : "";
        for (int column = 1; column < columns; ++column)
            rows += (column > 1 ? "\t" : "") + list.GetItemText(row, column);
        rows += "\r\n";
    }
    return rows;
}

class JumpDialogTest : public NavigationTest {
protected:
    JumpDialog &Jump() const {
        JumpDialog *dialog = frame->Dialogs().OpenModeless<JumpDialog>();
        EXPECT_NE(nullptr, dialog);
        return *dialog;
    }
    template <class Page> Page &PageAt(int tab) const { return dynamic_cast<Page &>(Jump().Page(tab)); }
    void Click(HWND dialog, int id) const {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
        Pump();
    }
    // What a double click on a row tells its page.
    void DoubleClick(const Dialog &page, const JumpList &list, int row) const {
        NMITEMACTIVATE activate{};
        activate.hdr = {list.GetHandle(), static_cast<UINT_PTR>(IDC_JUMP_LIST), static_cast<UINT>(NM_DBLCLK)};
        activate.iItem = row;
        SendMessageA(page.GetHandle(), WM_NOTIFY, IDC_JUMP_LIST, reinterpret_cast<LPARAM>(&activate));
        Pump();
    }
    void RunCases(int resource, UINT command, int tab, int columns) {
        const std::vector<Case> cases = LoadCases(resource);
        ASSERT_FALSE(cases.empty());
        for (const Case &c : cases) {
            SCOPED_TRACE(c.title);
            OpenFile("case.hsp", c.files[0].text);
            Current().GotoPos(c.files[0].caret);
            JumpMemory &memory = Navigation().Memory();
            const std::string kinds = " " + c.Option("kinds") + " ";
            for (int i = 0; i < JumpMemory::kindCount && kinds.size() > 2; ++i)
                memory.kinds[i] = kinds.find(std::string(" ") + allKinds[i] + " ") != std::string::npos;
            Command(command);
            ASSERT_EQ(tab, Jump().CurrentTab());
            auto &page = PageAt<JumpLinePage>(tab);
            EXPECT_EQ(c.files[1].text, Rows(page.List(), columns));
            // The preview holds the target's text at the chosen row's line.
            EXPECT_EQ(Current().GetText(), page.Preview().GetText());
            const int chosen = page.List().GetNextSelected();
            if (chosen >= 0) {
                EXPECT_EQ(page.Lines()[static_cast<size_t>(chosen)],
                          page.Preview().LineFromPosition(page.Preview().GetCurrentPos()));
            }
            frame->Dialogs().CloseModeless();
            memory = JumpMemory();
            frame->Close(frame->CurrentIndex());
        }
    }
};

TEST_F(JumpDialogTest, LabelListCases) { RunCases(IDR_LABEL_CASES, IDM_JUMP_LABEL, 2, 3); }

TEST_F(JumpDialogTest, DefinitionListCases) { RunCases(IDR_DEFINITION_LIST_CASES, IDM_JUMP_DEFINITION, 4, 5); }

// Each command opens the dialog on its tab; while it is open a command only brings it forward.
// The chameleon tab is a second label list; a double click there moves the editor's caret.
TEST_F(JumpDialogTest, CommandsOpenTheirTabAndADoubleClickGoesToTheLine) {
    OpenFile("main.hsp", "\tmes 1\r\n*one\r\n\tmes 2\r\n*two\r\n");
    Command(IDM_JUMP_CHAMELEON_LABEL);
    EXPECT_EQ(3, Jump().CurrentTab());
    EXPECT_TRUE(IsWindowVisible(Jump().Page(3).GetHandle()));
    EXPECT_FALSE(IsWindowVisible(Jump().Page(2).GetHandle()));
    Command(IDM_JUMP_POSITION);
    EXPECT_EQ(3, Jump().CurrentTab());
    auto &labels = PageAt<JumpLabelDialog>(3);
    ASSERT_EQ(2, labels.List().Rows());
    DoubleClick(labels, labels.List(), 1);
    EXPECT_EQ(3, Current().LineFromPosition(Current().GetCurrentPos()));
    DoubleClick(labels, labels.List(), 5);
    EXPECT_EQ(3, Current().LineFromPosition(Current().GetCurrentPos()));

    Click(Jump().GetHandle(), IDCANCEL);
    EXPECT_EQ(nullptr, frame->Dialogs().Modeless());
    Command(IDM_JUMP_POSITION);
    EXPECT_EQ(0, Jump().CurrentTab());
}

// A kind checked or unchecked changes the list at the next reload, and stays for the next dialog.
TEST_F(JumpDialogTest, KindChangesTakeEffectAtTheNextReload) {
    OpenFile("main.hsp", "#deffunc foo\r\n#enum A\r\n");
    Command(IDM_JUMP_DEFINITION);
    auto &page = PageAt<JumpPrepDialog>(4);
    ASSERT_EQ(1, page.List().Rows());
    const int deffunc = 5, enumeration = 7;
    ListView_SetCheckState(page.Kinds().GetHandle(), deffunc, FALSE);
    ListView_SetCheckState(page.Kinds().GetHandle(), enumeration, TRUE);
    EXPECT_EQ(1, page.List().Rows());
    Click(Jump().GetHandle(), IDC_JUMP_RELOAD);
    ASSERT_EQ(1, page.List().Rows());
    EXPECT_EQ("#enum", page.List().GetItemText(0, 2));
    frame->Dialogs().CloseModeless();
    Command(IDM_JUMP_DEFINITION);
    EXPECT_FALSE(ListView_GetCheckState(PageAt<JumpPrepDialog>(4).Kinds().GetHandle(), deffunc));
    EXPECT_TRUE(ListView_GetCheckState(PageAt<JumpPrepDialog>(4).Kinds().GetHandle(), enumeration));
}

// Project scope searches every file in order, open ones as edited, letters in either case; a
// file gone from the disk ends the search with the error box, the rows found before stay.
TEST_F(JumpDialogTest, KeywordSearchOverAProjectStopsAtAMissingFile) {
    const std::string a = MakeFile("a.as", "\tmes \"Foo\"\r\n");
    const std::string b = OpenFile("b.as", "");
    Current().SetText("; foo\r\n\tFOO 1\r\n");
    const std::string gone = folder + "c.as";
    const std::string d = MakeFile("d.as", "foo\r\n");
    SetProject("", {a, b, gone, d});
    Navigation().Memory().scope = 1;
    Command(IDM_JUMP_KEYWORD);
    auto &page = PageAt<JumpWordDialog>(1);
    SetDlgItemTextA(page.GetHandle(), IDC_JUMP_KEYWORD, "foo");
    Click(Jump().GetHandle(), IDC_JUMP_RELOAD);
    ASSERT_EQ(3, page.List().Rows());
    EXPECT_EQ(a, page.List().GetItemText(0, 0));
    EXPECT_EQ("Foo\"", page.List().GetItemText(0, 2));
    EXPECT_EQ("foo", page.List().GetItemText(1, 2));
    EXPECT_EQ("2", page.List().GetItemText(2, 1));
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_EQ("検索中にエラーが発生しました。", desktop.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), desktop.messages[0].type & MB_ICONMASK);
    EXPECT_NE(std::string::npos, LogSince().find("[jump word dialog] couldn't find source file. [" + gone + "]"));

    // A double click opens the file and goes to the place.
    DoubleClick(page, page.List(), 0);
    EXPECT_STREQ(a.c_str(), Current().path.Full());
    EXPECT_EQ(6, Current().GetCurrentPos());

    // The current document's scope: nothing for an untitled one.
    CheckRadioButton(page.GetHandle(), IDC_JUMP_SCOPE_DOCUMENT, IDC_JUMP_SCOPE_PROJECT, IDC_JUMP_SCOPE_DOCUMENT);
    frame->Select(frame->NewDocument());
    Current().SetText("foo");
    Click(Jump().GetHandle(), IDC_JUMP_RELOAD);
    EXPECT_EQ(0, page.List().Rows());
    EXPECT_EQ(0, Navigation().Memory().scope);
}

// Line and column, clamped to the line; an offset; an empty box only takes the focus.
TEST_F(JumpDialogTest, PositionPageGoesToLineColumnOrOffset) {
    OpenFile("main.hsp", "first\r\nsecond line\r\nthird\r\n");
    Current().GotoPos(10);
    Command(IDM_JUMP_POSITION);
    auto &page = PageAt<JumpPosDialog>(0);
    HWND h = page.GetHandle();
    char text[16];
    GetDlgItemTextA(h, IDC_JUMP_LINE, text, sizeof text);
    EXPECT_STREQ("2", text);
    GetDlgItemTextA(h, IDC_JUMP_COLUMN, text, sizeof text);
    EXPECT_STREQ("3", text);
    const struct {
        const char *line, *column;
        Vessary::Position caret;
    } cases[] = {{"2", "99", 18}, {"2", "0", 7}, {"3", "2", 22}, {"99", "1", 27}, {"0", "1", 1}};
    for (const auto &c : cases) {
        SetDlgItemTextA(h, IDC_JUMP_LINE, c.line);
        SetDlgItemTextA(h, IDC_JUMP_COLUMN, c.column);
        Click(h, IDC_JUMP_GO_LINE);
        EXPECT_EQ(c.caret, Current().GetCurrentPos()) << c.line << ":" << c.column;
    }
    SetDlgItemTextA(h, IDC_JUMP_OFFSET, "9");
    Click(h, IDC_JUMP_GO_OFFSET);
    EXPECT_EQ(9, Current().GetCurrentPos());
    SetDlgItemTextA(h, IDC_JUMP_COLUMN, "");
    Click(h, IDC_JUMP_GO_LINE);
    EXPECT_EQ(9, Current().GetCurrentPos());
    EXPECT_EQ(GetDlgItem(h, IDC_JUMP_COLUMN), GetFocus());
}

}
