// The run client (client\run\client.exe), the one F5 is bound to for HSP scripts: it compiles
// the script the editor shows, with its current text, through the compiler library of the HSP
// home the editor names, and starts the runtime the script asks for. When the compile fails the
// compiler's report appears in the editor's report dialog.
#pragma once

#include <string>

#include "sdk/TamborelSdk.h"

class Hsp;

class RunClient : public TamborelSdk::Client {
public:
    RunClient();

    // Function 0 compiles and runs, function 1 only compiles.
    void OnRun(int function) override;

private:
    // The script to compile: its path (empty while untitled), the folder that gets the
    // temporary source and the object file, and the open document holding its text, if any.
    struct Target {
        std::string path;
        std::string folder;
        std::string document;
    };
    void Build(bool run);
    Target ChooseTarget();
    bool WriteSource(const Target &target, const std::string &source);
    bool Compile(Hsp &hsp, const Target &target, const std::string &home);
    void Report(Hsp &hsp);
    bool Start(Hsp &hsp, const Target &target, const std::string &home);
    void Tell(const char *text, UINT icon);
};
