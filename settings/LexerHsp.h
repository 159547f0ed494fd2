// The HSP section (lexer\hsp.xml): the HSP colours and the HSP toolchain's settings.
#pragma once

#include "settings/LexerLanguage.h"

class LexerHsp : public LexerLanguage {
public:
    enum {
        User, CommentBlock, CommentLine, Number, String, Character, Label, Function, Command, Macro,
        Preprocessor, SystemVariable, Prereserved, Win32api, Hpi, Operator
    };
    LexerHsp();

    void Read() override;
    void Write() override;

    // event/type[open]
    bool homePrompt;
    char homeDirectory[260]; // ends with a backslash
    // event/type[debug]
    char debugCommandline[1024];
    bool enableDebugWindow;
    // event/type[build]
    char buildFilename[260];
    int buildWindowSizeX;
    int buildWindowSizeY;
    bool buildWindowHide;
};
