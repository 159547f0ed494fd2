#include <gtest/gtest.h>

#include <windows.h>

#include "hsp/PackList.h"
#include "hsp/Packfile.h"
#include "support/TestFiles.h"

TEST(Packfile, ParsingSkipsCommentsAndEmptyLinesAndMarksEncryptedNames) {
    const auto lines = Packfile::Parse("; comment\r\n+pic.bmp\r\n\r\nsub\\a.txt\nlast.wav");
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ("pic.bmp", lines[0].name);
    EXPECT_TRUE(lines[0].encrypted);
    EXPECT_EQ("sub\\a.txt", lines[1].name);
    EXPECT_FALSE(lines[1].encrypted);
    EXPECT_EQ("last.wav", lines[2].name);
}

// Only existing files are listed, each once, never the packfile or a folder; files beside the
// packfile are written back by name, others by full path, sorted by path.
TEST(PackList, HoldsExistingFilesOnceAndWritesThemBackRelativeWherePossible) {
    const std::string folder = TestFiles::MakeTempFolder("tamborel-packlist");
    const std::string other = TestFiles::MakeTempFolder("tamborel-packother");
    for (const std::string &file : {folder + "b.txt", folder + "a.bmp", folder + "packfile", other + "x.dat"})
        TestFiles::Write(file, "1234");
    CreateDirectoryA((folder + "sub").c_str(), nullptr);
    PackList list(folder + "packfile");
    EXPECT_TRUE(list.Add("b.txt", false));
    EXPECT_TRUE(list.Add(folder + "a.bmp", true));
    EXPECT_TRUE(list.Add(other + "x.dat", false));
    for (const std::string &refused : {std::string("b.txt"), folder + "b.txt", std::string("packfile"), std::string("sub"),
                                       std::string("missing.txt"), std::string("")})
        EXPECT_FALSE(list.Add(refused, false)) << refused;
    EXPECT_EQ(3u, list.Entries().size());
    // "...\tamborel-packlist-..." sorts before "...\tamborel-packother-...".
    EXPECT_EQ("+a.bmp\r\nb.txt\r\n" + other + "x.dat\r\n", list.Format());

    list.Remove({0, 0});
    EXPECT_EQ(2u, list.Entries().size());
    TestFiles::RemoveTree(folder);
    TestFiles::RemoveTree(other);
}
