// Every test program runs against a scratch copy of the built program directory, so that the
// settings, keyword files and log it reads and writes are its own.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "framework/ProgramDirectory.h"
#include "support/ChildMode.h"
#include "support/TestFiles.h"

int main(int argc, char **argv) {
    int childExit = 0;
    if (ChildMode::Run(argc, argv, childExit))
        return childExit;
    testing::InitGoogleTest(&argc, argv);
    const std::string folder = TestFiles::MakeTempFolder("tamborel-test");
    TestFiles::CopyProgram(folder, false);
    TestFiles::SetProgramFolder(folder);
    SetProgramDirectory(folder.c_str());
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_USEREX_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&controls);
    OleInitialize(nullptr);
    const int result = RUN_ALL_TESTS();
    OleUninitialize();
    TestFiles::RemoveTree(folder);
    return result;
}
