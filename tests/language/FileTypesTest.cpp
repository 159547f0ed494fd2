// File-type codes from extensions and the language menu commands.
#include <gtest/gtest.h>

#include "framework/Path.h"
#include "language/FileTypes.h"
#include "resources/resource.h"

TEST(FileTypes, ExtensionsCompareWithoutRegardToCaseAndUnknownOnesArePlainText) {
    const struct {
        const char *extension;
        int code;
    } cases[] = {{".Cpp", 3}, {".CPP", 3}, {".c", 3}, {".As", 300}, {".properties", 9}, {".prj", 310},
                 {".C1", 1},  {".xyz", 1}, {".", 1},  {"", 1},      {nullptr, 1}};
    for (const auto &c : cases)
        EXPECT_EQ(FileTypes::FromExtension(c.extension), c.code) << (c.extension ? c.extension : "(null)");
    EXPECT_EQ(Path("C:\\src\\main.Cpp").FileType(), 3);
    EXPECT_EQ(Path("C:\\src\\name.").FileType(), 1);
}

// The check mark of a language item goes by the document's code: every command must lead back
// to itself, and a project file, coloured as INI, checks no item.
TEST(FileTypes, EachLanguageCommandSetsTheCodeItIsCheckedForAndProjectsHaveNone) {
    ASSERT_EQ(FileTypes::languageCommandCount, 10);
    for (int i = 0; i < FileTypes::languageCommandCount; ++i) {
        const int command = FileTypes::languageCommands[i];
        EXPECT_NE(FileTypes::CodeOfCommand(command), 0) << command;
        EXPECT_EQ(FileTypes::CommandOf(FileTypes::CodeOfCommand(command)), command);
    }
    EXPECT_EQ(FileTypes::CodeOfCommand(IDM_LANGUAGE_INI), 301);
    EXPECT_EQ(FileTypes::CommandOf(FileTypes::Project), 0);
    EXPECT_EQ(FileTypes::CodeOfCommand(40001), 0);
}
