// Factories of the component's own lexers and the lookup of a lexer by its number.
#pragma once

namespace Scintilla { class ILexer5; }

namespace Vessary {

Scintilla::ILexer5 *CreateHspLexer();
Scintilla::ILexer5 *CreateIniLexer();
Scintilla::ILexer5 *CreateCsvLexer();
Scintilla::ILexer5 *CreateTsvLexer();

// The lexer for a lexer number, or null for plain text (an unknown number).
Scintilla::ILexer5 *CreateLexerByNumber(int number);

}
