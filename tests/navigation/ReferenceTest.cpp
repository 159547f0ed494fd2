// Definition reference and back through the real frame: scripts on disk and in open documents,
// the HSP home's common folder, a project's entry point.
#include <gtest/gtest.h>

#include "Cases.h"
#include "CaseResources.h"
#include "NavigationFixture.h"
#include "editor/Document.h"
#include "frame/CommandState.h"
#include "navigation/NavigationCommands.h"
#include "resources/resource.h"
#include "support/TestFiles.h"

namespace {

// "unsaved:name": open with the case's text, while the file on disk is empty.
bool Unsaved(const CaseFile &file) { return file.name.compare(0, 8, "unsaved:") == 0; }
std::string NameOf(const CaseFile &file) { return Unsaved(file) ? file.name.substr(8) : file.name; }

class ReferenceTest : public NavigationTest {
protected:
    // Writes the case's files under a folder of its own and opens the unsaved ones and, last,
    // the first; returns each file's path.
    std::vector<std::string> Prepare(const Case &c, int number) {
        TestFiles::RemoveTree(home + "common\\");
        CreateDirectoryA((home + "common").c_str(), nullptr);
        const std::string sub = "case" + std::to_string(number) + "\\";
        std::vector<std::string> paths;
        for (const CaseFile &file : c.files) {
            const std::string name = NameOf(file);
            const bool inHome = name.compare(0, 5, "home:") == 0;
            paths.push_back(MakeFile(inHome ? name : sub + name, Unsaved(file) ? "" : file.text));
        }
        if (!c.Option("entry").empty())
            SetProject(folder + sub + c.Option("entry"), paths);
        for (size_t i = 1; i < c.files.size(); ++i) {
            if (!Unsaved(c.files[i]))
                continue;
            EXPECT_TRUE(frame->Open(paths[i].c_str()));
            Current().SetText(c.files[i].text.c_str());
        }
        EXPECT_TRUE(frame->Open(paths[0].c_str()));
        return paths;
    }

    void Forget() {
        desktop.answers.assign(20, IDNO);
        frame->CloseAll();
        SetProject("", {});
    }
};

TEST_F(ReferenceTest, CasesFindTheDefinitionOrLeaveEverythingAsItWas) {
    const std::vector<Case> cases = LoadCases(IDR_REFERENCE_CASES);
    ASSERT_FALSE(cases.empty());
    int number = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.title);
        const std::vector<std::string> paths = Prepare(c, ++number);
        const CaseFile &first = c.files[0];
        ASSERT_GE(first.caret, 0);
        Current().GotoPos(first.caret);
        const size_t before = Navigation().History().Size();
        Command(IDM_DEFINITION_REFERENCE);

        size_t expected = 0;
        while (expected < c.files.size() && c.files[expected].selectionStart < 0)
            ++expected;
        if (expected == c.files.size()) {
            EXPECT_STREQ(paths[0].c_str(), Current().path.Full());
            EXPECT_EQ(first.caret, Current().GetSelectionStart());
            EXPECT_EQ(first.caret, Current().GetSelectionEnd());
            EXPECT_EQ(before, Navigation().History().Size());
        } else {
            EXPECT_STREQ(paths[expected].c_str(), Current().path.Full());
            EXPECT_EQ(c.files[expected].selectionStart, Current().GetSelectionStart());
            EXPECT_EQ(c.files[expected].selectionEnd, Current().GetSelectionEnd());
            EXPECT_EQ(before + 1, Navigation().History().Size());
            Command(IDM_REFERENCE_BACK);
            EXPECT_STREQ(paths[0].c_str(), Current().path.Full());
            EXPECT_LE(Current().GetSelectionStart(), first.caret);
            EXPECT_GE(Current().GetSelectionEnd(), first.caret);
            EXPECT_EQ(before, Navigation().History().Size());
        }
        if (!c.Option("log").empty()) {
            EXPECT_NE(std::string::npos, LogSince().find(c.Option("log"))) << LogSince();
        }
        Forget();
    }
}

// Back retraces the jumps in reverse order; a jump from a document without a file name is not
// recorded, and back is enabled only while there is somewhere to go back to.
TEST_F(ReferenceTest, BackReturnsInOrderAndSkipsUntitledDocuments) {
    const std::string main = OpenFile("main.hsp", "#include \"lib.as\"\r\n\tgoto *start\r\n*start\r\n\tfoo\r\n");
    MakeFile("lib.as", "#deffunc foo\r\n\treturn\r\n");
    EXPECT_EQ(0, frame->MenuState().Enabled(IDM_REFERENCE_BACK));
    Current().GotoPos(26);
    Command(IDM_DEFINITION_REFERENCE);
    EXPECT_EQ(34, Current().GetSelectionStart());
    Current().GotoPos(42);
    Command(IDM_DEFINITION_REFERENCE);
    EXPECT_STREQ((folder + "lib.as").c_str(), Current().path.Full());
    EXPECT_EQ(2u, Navigation().History().Size());
    EXPECT_EQ(1, frame->MenuState().Enabled(IDM_REFERENCE_BACK));
    Command(IDM_REFERENCE_BACK);
    EXPECT_STREQ(main.c_str(), Current().path.Full());
    EXPECT_EQ(42, Current().GetSelectionStart());
    Command(IDM_REFERENCE_BACK);
    EXPECT_EQ(26, Current().GetSelectionStart());
    EXPECT_EQ(0, frame->MenuState().Enabled(IDM_REFERENCE_BACK));

    frame->Select(frame->NewDocument());
    Current().SetText("\tgoto *here\r\n*here\r\n");
    Current().GotoPos(8);
    Command(IDM_DEFINITION_REFERENCE);
    EXPECT_EQ(14, Current().GetSelectionStart());
    EXPECT_EQ(0u, Navigation().History().Size());
}

}

namespace {

// Traces and scans are kept between references, but never past a change: a file edited on
// disk, and a file made where an include is looked for first.
TEST_F(ReferenceTest, KeptTracesFollowFilesChangedOrAddedSinceTheLastReference) {
    OpenFile("main.hsp", "#include \"x.as\"\r\n\tfoo\r\n\tbar\r\n");
    const std::string shared = MakeFile("home:x.as", "#deffunc foo\r\n");
    Current().GotoPos(19);
    Command(IDM_DEFINITION_REFERENCE);
    EXPECT_STREQ(shared.c_str(), Current().path.Full());
    Command(IDM_REFERENCE_BACK);
    frame->Close(1);

    Current().GotoPos(25);
    Command(IDM_DEFINITION_REFERENCE);
    EXPECT_EQ(25, Current().GetCurrentPos());
    TestFiles::Write(shared, "#deffunc foo\r\n#deffunc bar\r\n");
    Command(IDM_DEFINITION_REFERENCE);
    EXPECT_STREQ(shared.c_str(), Current().path.Full());
    Command(IDM_REFERENCE_BACK);
    frame->Close(1);

    const std::string local = MakeFile("x.as", "\r\n#deffunc foo\r\n");
    Current().GotoPos(19);
    Command(IDM_DEFINITION_REFERENCE);
    EXPECT_STREQ(local.c_str(), Current().path.Full());
}

}
