#include <gtest/gtest.h>

#include "framework/CTString.h"
#include "framework/Path.h"
#include "language/FileTypes.h"

// "ソ" and "表" end in the byte of a backslash, "＠" in an at sign: splitting must step over them.
TEST(Path, SplitsShiftJisPathsWithoutTakingTrailBytesForSeparators) {
    const Path path("C:\\\x83\x5C\x81\x5B\x83\x58\\\x95\x5C.dir\\\x95\x5C\x8E\xA6.hsp");
    EXPECT_STREQ("C:", path.Drive());
    EXPECT_STREQ("\\\x83\x5C\x81\x5B\x83\x58\\\x95\x5C.dir\\", path.Directory());
    EXPECT_STREQ("C:\\\x83\x5C\x81\x5B\x83\x58\\\x95\x5C.dir\\", path.DirectoryPart());
    EXPECT_STREQ("\x95\x5C\x8E\xA6.hsp", path.FilePart());
    EXPECT_STREQ("\x95\x5C\x8E\xA6", path.Name());
    EXPECT_STREQ(".hsp", path.Extension());
    EXPECT_EQ(FileTypes::Hsp, path.FileType());

    const Path trailing("D:\\work\\\x83\x5C");
    EXPECT_STREQ("\x83\x5C", trailing.FilePart());
    EXPECT_STREQ("", trailing.Extension());
    EXPECT_EQ(FileTypes::PlainText, trailing.FileType());
}

TEST(Path, FoldersAreUntitledAndOnlyTheLastDotStartsAnExtension) {
    EXPECT_TRUE(Path("C:\\Users\\me\\Documents\\").IsUntitled());
    EXPECT_FALSE(Path("C:\\a\\b.as").IsUntitled());
    EXPECT_STREQ(".tar", Path("a.b\\c.tar").Extension());
    EXPECT_STREQ("", Path("a.b\\c").Extension());
    EXPECT_FALSE(Path("\\\\server\\share\\f.txt").HasDrive());
}

TEST(Path, OverlongPathsAreCutWithoutSplittingACharacter) {
    // 259 bytes fit. A double-byte character at 257-258 fits; one at 258-259 is dropped whole.
    for (size_t prefix : {257u, 258u}) {
        std::string longPath = "C:\\";
        longPath.resize(prefix, 'a');
        longPath += "\x82\xA0\x82\xA0.hsp";
        const std::string full = Path(longPath.c_str()).Full();
        EXPECT_EQ(prefix == 257 ? 259u : 258u, full.size());
        EXPECT_EQ(prefix == 257 ? "\x82\xA0" : "aa", full.substr(full.size() - 2));
    }
}

TEST(CTString, EachEncodingIsMadeFromTheOneItWasBuiltFrom) {
    CTString fromAnsi = CTString::FromAnsi("\x95\x5C\x8E\xA6 mes");
    EXPECT_EQ(L"\u8868\u793A mes", fromAnsi.Utf16());
    EXPECT_EQ("\xE8\xA1\xA8\xE7\xA4\xBA mes", fromAnsi.Utf8());
    CTString fromUtf8 = CTString::FromUtf8("\xE8\xA1\xA8\xE7\xA4\xBA");
    EXPECT_EQ("\x95\x5C\x8E\xA6", fromUtf8.Ansi());
    fromUtf8.Release();
    EXPECT_EQ("", fromUtf8.Ansi());
}
