// Files and folders for tests: the built program directory, scratch folders, whole-file I/O.
#pragma once

#include <string>

namespace TestFiles {

// The built program directory (dist\ beside the tests folder), ending with a backslash.
std::string DistDirectory();
// A new empty folder under the temporary folder, ending with a backslash.
std::string MakeTempFolder(const char *prefix);
// Copies a folder with everything in it (both paths end with a backslash).
void CopyFolder(const std::string &from, const std::string &to);
// Deletes a folder and everything in it.
void RemoveTree(const std::string &folder);
// Copies the program directory's folders (library, template, lexer, and empty log, work)
// and, with exe, Tamborel.exe and Tamborel.html into target.
void CopyProgram(const std::string &target, bool exe);
// The same from another build's program directory (ending with a backslash).
void CopyProgram(const std::string &target, bool exe, const std::string &dist);
std::string Read(const std::string &path);
void Write(const std::string &path, const std::string &bytes);
bool Exists(const std::string &path);
// How many files match a pattern such as folder + "*.tmp".
size_t Count(const std::string &pattern);

// The scratch program directory the test main prepared and pointed the program at.
const std::string &ProgramFolder();
// Makes folder the program folder the helpers above use (a test program's own copy or a scratch one).
void SetProgramFolder(const std::string &folder);

}
