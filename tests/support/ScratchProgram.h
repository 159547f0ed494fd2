// What the program does before its first window, for benchmarks that build frames in their own
// process: its files copied into a fresh folder made the program directory, the edit component
// loaded from there and the main window class registered.
#pragma once

#include <string>

// The folder, or empty (with a line printed) when the edit component does not load.
std::string PrepareScratchProgram();
