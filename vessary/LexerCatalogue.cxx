// Lexer numbers to lexers: Lexilla's by their SCLEX_ number, ours from 300 up.
#include <windows.h>

#include "ILexer.h"
#include "SciLexer.h"
#include "LexerModule.h"

#include "OwnLexers.h"
#include "VessaryMessages.h"

using Lexilla::LexerModule;

extern LexerModule lmNull, lmPython, lmCPP, lmHTML, lmXML, lmPerl, lmSQL, lmVB, lmProps, lmPascal,
    lmRuby, lmFortran, lmCss, lmPHPSCRIPT, lmSmalltalk;

namespace Vessary {

Scintilla::ILexer5 *CreateLexerByNumber(int number) {
    switch (number) {
    case VSLEX_HSP: return CreateHspLexer();
    case VSLEX_INI:
    case VSLEX_PROJECT: return CreateIniLexer();
    case VSLEX_CSV: return CreateCsvLexer();
    case VSLEX_TSV: return CreateTsvLexer();
    default: break;
    }
    static const LexerModule *const modules[] = {&lmNull, &lmPython, &lmCPP, &lmHTML, &lmXML,
        &lmPerl, &lmSQL, &lmVB, &lmProps, &lmPascal, &lmRuby, &lmFortran, &lmCss, &lmPHPSCRIPT,
        &lmSmalltalk};
    for (const LexerModule *module : modules) {
        if (module->GetLanguage() == number)
            return module->Create();
    }
    return nullptr;
}

}
