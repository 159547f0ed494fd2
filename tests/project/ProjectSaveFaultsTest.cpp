// Writing the project file against every fault a save can meet.
#include "ProjectFixture.h"

#include "support/FaultyFileSystem.h"
#include "support/TestFiles.h"

// The file stays as it was and the user is told; when the original may be gone, the text the
// save would have written is left in a temporary file that the user is told of.
TEST_F(ProjectTest, AProjectWriteFailingAtAnyStepKeepsTheFileAndTellsTheUser) {
    MakeFile("p\\a.hsp");
    const std::string style = "<holder name=\"p\"><file name=\"a.hsp\" path=\"a.hsp\"/></holder>";
    const std::string file = MakeProject("p\\p.prj", style);
    const std::string original = Read("p\\p.prj");
    ASSERT_TRUE(Project().OpenProject(file.c_str()));
    Project().CloseProject();
    const std::string newText = Read("p\\p.prj");
    ASSERT_NE(original, newText);
    for (const FaultyFileSystem::Fault &fault : FaultyFileSystem::Faults()) {
        SCOPED_TRACE(fault.name);
        TestFiles::Write(file, original);
        ASSERT_TRUE(Project().OpenProject(file.c_str()));
        desktop.messages.clear();
        {
            FaultyFileSystem files(fault.step, newText.size() / 2);
            Project().CloseProject();
        }
        EXPECT_EQ(original, Read("p\\p.prj"));
        ASSERT_FALSE(desktop.messages.empty());
        EXPECT_EQ(file + "\r\nプロジェクトファイルに保存できませんでした。", desktop.messages.back().text);
        std::string told;
        for (const auto &message : desktop.messages)
            told += message.text;
        FaultyFileSystem::CheckLeftovers(fault, folder + "p\\", newText, told);
    }
}
