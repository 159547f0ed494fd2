// The project's total line count, for the project settings dialog.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class DocumentView;

// The edit component's line count of every file, summed: an open document counts as it stands
// in the editor, unsaved lines included; any other file is read into a hidden view. -1, the user
// told, when a file is missing or cannot be read.
long long CountProjectSteps(const std::vector<std::string> &files, DocumentView &documents, HWND owner);
