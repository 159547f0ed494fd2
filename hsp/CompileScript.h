// The one routine that compiles: every HSP command and the sample viewer differ only in what
// they ask of it. It saves the project's documents when asked, writes the text to compile to
// "hsptmp" beside the target, calls the library with the target's folder as the current folder
// (restored on every way out), and runs the result or makes an executable from it.
#pragma once

#include <windows.h>

#include <string>

class Hsp;
class Workbench;
struct CompileTarget;

struct CompileRequest {
    // A file name in the target's folder ("hsptmp" for the menu commands).
    std::string source;
    std::string object;
    // Ends with a backslash; empty: the current folder.
    std::string objectDirectory;
    bool saveAll = false;
    // Compile the document's text as it is now (or a copy of the target file) through "hsptmp".
    bool temporaryCopy = false;
    // On compile errors, hand back the compiler's version and messages.
    bool report = false;
    bool run = false;
    bool makeExecutable = false;
};

struct CompileResult {
    // Everything asked for was done.
    bool succeeded = false;
    // The compiler ran and found no error (the object file was written).
    bool compiled = false;
    // The compiler found errors and report was asked for: version and messages hold them.
    bool reported = false;
    std::string version;
    std::string messages;
    // The document whose text was compiled, if one was.
    HWND sourceView = nullptr;
};

// home: the HSP home, ending with a backslash. Failures to save or copy are told to the user.
CompileResult CompileScript(Workbench &workbench, const Hsp &hsp, const std::string &home, const CompileTarget &target,
                            const CompileRequest &request);
