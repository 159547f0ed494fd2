// The fixed keyword lists: lower-case words separated by single blanks. Every list but the
// C/C++ one ends with a blank, so that lists join by plain concatenation.
#pragma once

namespace FixedKeywords {

// C/C++ keywords (lexer 3, set 0). The only list without a trailing blank.
extern const char *const cpp;
// HTML attributes, input types, elements and extensions (lexer 4, set 0); some words occur
// twice, as both attribute and element.
extern const char *const html;
// SQL keywords (lexer 7, set 0).
extern const char *const sql;
// VB6 keywords (lexer 8, set 0).
extern const char *const vb6;
// HSP functions (lexer 300, set 0).
extern const char *const hspFunctions;
// HSP commands (lexer 300, set 1).
extern const char *const hspCommands;
// HSP macros, constants and statement words (lexer 300, set 2).
extern const char *const hspMacros;
// HSP pre-processor directives (lexer 300, set 3; the analysis configuration's set 3).
extern const char *const hspDirectives;
// HSP system variables (lexer 300, set 4).
extern const char *const hspSystemVariables;
// HSP reserved words of directives (lexer 300, set 5; the analysis configuration's set 5).
extern const char *const hspReservedWords;

}
