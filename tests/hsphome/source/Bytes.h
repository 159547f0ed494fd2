// Small file and text helpers of the test HSP installation's programs.
#pragma once

#include <string>
#include <vector>

namespace Bytes {

bool ReadFile(const std::string &path, std::string &bytes);
bool WriteFile(const std::string &path, const std::string &bytes);
bool Exists(const std::string &path);
// Lines without their CR LF or LF ends.
std::vector<std::string> Lines(const std::string &text);
// ASCII letters lowered; double-byte characters kept whole.
std::string Lower(const std::string &text);
bool IsLeadByte(unsigned char c);
// The file part after the last path separator (a separator is never a trail byte here).
std::string FilePart(const std::string &path);
std::string DirectoryPart(const std::string &path);

}
