// The path and name rules of the project file: paths are stored relative to the project's folder
// where they can be, and read back against it; folder names keep clear of the characters that
// would break the file or a path.
#pragma once

#include <string>

namespace ProjectPaths {

// A stored path made absolute against the project's folder, slashes read as backslashes. Empty
// and absolute paths (a drive, or a UNC "\\") stand as they are; any other is relative, with or
// without one leading backslash, and is joined to the folder with "." and ".." worked out (never
// above the folder's drive or share). "" when the result would not fit a path buffer. Plain
// string work, no file system calls.
std::string Resolve(const char *directory, const char *stored);
// A file's absolute path as it is stored: relative to the folder (".\a.hsp", "..\lib\c.as") when
// it can be made so, unchanged otherwise (another drive, or already relative).
std::string Relativise(const char *directory, const char *file);
// Whether the name holds one of < > = / * \ as a character of its own: the trail byte of a
// double-byte character (表 is 0x95 0x5C) does not count.
bool HasForbiddenCharacter(const char *name);
// A name an item may take, whatever folder it goes in: not empty, no forbidden character.
bool IsValidName(const char *name);

}
