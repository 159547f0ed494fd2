// A user's save (Ctrl+S) against every fault a save can meet.
#include "FrameFixture.h"

#include "resources/resource.h"
#include "support/FaultyFileSystem.h"
#include "support/TestFiles.h"

// The original stays byte for byte, the document stays modified, and the user is told once;
// the new text is left in a temporary file only when the original may be gone, and named.
TEST_F(FrameTest, ASaveFailingAtAnyStepKeepsTheOriginalAndTellsTheUser) {
    const std::string original = "mes \"original\"\r\n";
    const std::string path = OpenFile("kept.hsp", original);
    // More than one block, so that the disk fills between two writes and inside the second.
    Current().SetText(std::string(Document::BlockSize + 100, 'x').c_str());
    const std::string newText = Current().GetText();
    for (const FaultyFileSystem::Fault &fault : FaultyFileSystem::Faults()) {
        SCOPED_TRACE(fault.name);
        desktop.messages.clear();
        {
            FaultyFileSystem files(fault.step, Document::BlockSize + 50);
            Command(IDM_SAVE);
        }
        EXPECT_EQ(original, TestFiles::Read(path));
        EXPECT_TRUE(Current().IsModified());
        ASSERT_EQ(1u, desktop.messages.size());
        EXPECT_NE(std::string::npos, desktop.messages[0].text.find(path + "\r\nこのファイルに保存できませんでした"));
        FaultyFileSystem::CheckLeftovers(fault, folder, newText, desktop.messages[0].text);
    }
    Command(IDM_SAVE);
    EXPECT_EQ(newText, TestFiles::Read(path));
    EXPECT_FALSE(Current().IsModified());
}
