// File-type codes: the lexer number a document is coloured with, chosen from its extension,
// and the language menu commands that set them.
#pragma once

namespace FileTypes {

enum Code {
    PlainText = 1,
    Cpp = 3,
    Html = 4,
    Xml = 5,
    Sql = 7,
    VisualBasic = 8,
    Hsp = 300,
    Ini = 301,
    Project = 310,
    Csv = 316,
    Tsv = 317,
};

// The code of an extension given with its dot, compared without regard to case; 1 when unlisted.
int FromExtension(const char *extension);

// The language menu command of a code, or 0 when the code has none.
int CommandOf(int code);
// The code a language menu command sets, or 0 when id is no language command.
int CodeOfCommand(int command);
// The language commands in menu order, for check marks.
extern const int languageCommands[];
extern const int languageCommandCount;

}
