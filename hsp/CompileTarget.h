// What an HSP command works on: the current document's script, or the open project's entry
// point when that document belongs to the project; and whether the project's modified documents
// are saved before a compile.
#pragma once

#include "framework/Path.h"

class Workbench;

struct CompileTarget {
    // Empty for an untitled document: its files are then named relative to the current folder.
    Path path;
    bool saveAll = false;

    static CompileTarget Choose(Workbench &workbench);
};
