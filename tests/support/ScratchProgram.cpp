#include "support/ScratchProgram.h"

#include <windows.h>

#include <cstdio>

#include "app/Tamborel.h"
#include "framework/ProgramDirectory.h"
#include "support/TestFiles.h"

std::string PrepareScratchProgram() {
    const std::string folder = TestFiles::MakeTempFolder("tamborel-bench");
    TestFiles::CopyProgram(folder, false);
    SetProgramDirectory(folder.c_str());
    if (!LoadLibraryA((folder + "library\\Vessary.dll").c_str())) {
        std::printf("cannot load Vessary.dll\n");
        return std::string();
    }
    Tamborel::RegisterMainWindowClass(GetModuleHandleA(nullptr));
    return folder;
}
