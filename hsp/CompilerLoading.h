// Loading the compiler library of an HSP home, for start-up and the home dialog.
#pragma once

#include <windows.h>

#include <string>

class Hsp;

// Loads home + "hspcmp.dll". A library that does not load (a 64-bit program cannot load the
// usual 32-bit one) or lacks an entry point is told to the user over owner, box and log line.
bool LoadCompiler(HWND owner, Hsp &hsp, const std::string &home);
