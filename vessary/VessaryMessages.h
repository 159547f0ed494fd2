// The edit component's own interface on top of Scintilla's messages: what library\Vessary.dll
// answers itself. Shared by the component and the program.
#pragma once

// Scintilla 5 dropped lexer selection by number; the component brings it back.
#define SCI_SETLEXER 4001
#ifndef SCI_GETLEXER
#define SCI_GETLEXER 4002
#endif

// Shows each full-width space (Shift-JIS 0x81 0x40) visibly when wParam is non-zero.
#define VSM_SETSPACEVISIBLE 2421

// Lexer numbers of the component's own lexers; numbers below 300 are Scintilla's SCLEX_ values.
#define VSLEX_HSP 300
#define VSLEX_INI 301
#define VSLEX_PROJECT 310
#define VSLEX_CSV 316
#define VSLEX_TSV 317

// Styles of the INI lexer (301, 310).
#define VSINI_DEFAULT 0
#define VSINI_COMMENT 1
#define VSINI_SECTION 2
#define VSINI_KEY 3
#define VSINI_SEPARATOR 4
#define VSINI_VALUE 5

// Styles of the CSV (316) and TSV (317) lexers.
#define VSCSV_ODD 0
#define VSCSV_EVEN 1
#define VSCSV_SEPARATOR 2
#define VSTSV_ODD 0
#define VSTSV_EVEN 2

// Styles of the HSP lexer (300).
#define VSHSP_DEFAULT 0
#define VSHSP_COMMENTBLOCK 2
#define VSHSP_COMMENTLINE 3
#define VSHSP_NUMBER 4
#define VSHSP_FUNCTION 5
#define VSHSP_STRING 6
#define VSHSP_MULTISTRING 7
#define VSHSP_CHARACTER 8
#define VSHSP_LABEL 9
#define VSHSP_LABELREF 10
#define VSHSP_OPERATOR 11
#define VSHSP_IDENTIFIER 12
#define VSHSP_COMMAND 13
#define VSHSP_MACRO 14
#define VSHSP_PREPROCESSOR 15
#define VSHSP_SYSVAR 16
#define VSHSP_PRERESERVED 17
#define VSHSP_WIN32API 18
#define VSHSP_PLUGIN 19
#define VSHSP_USER 20
