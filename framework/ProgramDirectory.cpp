#include "framework/ProgramDirectory.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstring>

namespace {
char directory[MAX_PATH];
}

const char *ProgramDirectory() {
    if (!directory[0]) {
        char file[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, file, MAX_PATH);
        PathRemoveFileSpecA(file);
        PathAddBackslashA(file);
        lstrcpynA(directory, file, MAX_PATH);
    }
    return directory;
}

void SetProgramDirectory(const char *dir) { lstrcpynA(directory, dir, MAX_PATH); }
