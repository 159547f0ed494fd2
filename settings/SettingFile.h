// Reading and writing of the XML files behind setting sections. The bytes are the program's code
// page and pass through untouched; a write never leaves a half-written file behind.
#pragma once

#include <string>

class TiXmlDocument;
namespace FileBytes {
struct Outcome;
}

namespace SettingFile {

enum class State {
    Parsed,
    Missing,    // no such file
    Blank,      // empty or only white space: nothing to lose
    Unreadable, // a folder, or a file that cannot be opened or read
    Malformed,  // not XML (or too large or too deeply nested to be a setting file)
};

// Replaces document with the file's contents.
State Load(TiXmlDocument &document, const char *path);
// The same from bytes already read (Parsed, Blank or Malformed).
State Parse(TiXmlDocument &document, std::string bytes);
// The text Store writes: four-blank indentation, CR LF line ends.
std::string Print(const TiXmlDocument &document);
// Writes a temporary file beside path, then puts it in path's place (FileBytes::Replace): on
// failure the outcome may name the temporary file kept as the only complete copy.
FileBytes::Outcome Store(const TiXmlDocument &document, const char *path);
// Renames path to path + ".broken" (".broken2", ... when taken); the new name, or "" on failure.
std::string KeepAside(const char *path);

// Files larger than this, or nested deeper, are not parsed.
const unsigned long MaxSize = 64UL << 20;
const int MaxDepth = 256;

}
