// File-type codes from extensions and the language menu commands.
#include <gtest/gtest.h>

#include "framework/Path.h"
#include "language/FileTypes.h"
#include "resources/resource.h"

namespace {

TEST(FileTypes, ExtensionsCompareWithoutRegardToCase) {
    EXPECT_EQ(FileTypes::FromExtension(".Cpp"), 3);
    EXPECT_EQ(FileTypes::FromExtension(".CPP"), 3);
    EXPECT_EQ(FileTypes::FromExtension(".cpp"), 3);
    EXPECT_EQ(FileTypes::FromExtension(".hsp"), 300);
    EXPECT_EQ(FileTypes::FromExtension(".As"), 300);
    EXPECT_EQ(FileTypes::FromExtension(".properties"), 9);
    EXPECT_EQ(Path("C:\\src\\main.Cpp").FileType(), 3);
    EXPECT_EQ(Path("C:\\src\\a.hsp").FileType(), 300);
}

TEST(FileTypes, UnknownShortAndMissingExtensionsArePlainText) {
    for (const char *extension : {".xyz", ".", "", ".C1", ".txt", ".kw", ".ct"})
        EXPECT_EQ(FileTypes::FromExtension(extension), 1) << extension;
    EXPECT_EQ(FileTypes::FromExtension(nullptr), 1);
    EXPECT_EQ(Path("C:\\src\\Makefile").FileType(), 1);
}

TEST(FileTypes, ProjectFilesHaveTheirOwnCodeAndNoLanguageCommand) {
    EXPECT_EQ(FileTypes::FromExtension(".prj"), 310);
    EXPECT_EQ(FileTypes::CommandOf(310), 0);
    for (int i = 0; i < FileTypes::languageCommandCount; ++i)
        EXPECT_NE(FileTypes::CodeOfCommand(FileTypes::languageCommands[i]), 310);
}

TEST(FileTypes, EachLanguageCommandSetsTheCodeItIsCheckedFor) {
    ASSERT_EQ(FileTypes::languageCommandCount, 10);
    for (int i = 0; i < FileTypes::languageCommandCount; ++i) {
        const int command = FileTypes::languageCommands[i];
        const int code = FileTypes::CodeOfCommand(command);
        EXPECT_NE(code, 0) << command;
        EXPECT_EQ(FileTypes::CommandOf(code), command);
    }
    EXPECT_EQ(FileTypes::CodeOfCommand(IDM_LANGUAGE_INI), 301);
    EXPECT_EQ(FileTypes::CodeOfCommand(IDM_LANGUAGE_VB), 8);
    EXPECT_EQ(FileTypes::CodeOfCommand(40001), 0);
    EXPECT_EQ(FileTypes::CommandOf(2), 0);
}

}
