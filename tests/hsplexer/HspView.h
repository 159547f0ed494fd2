// A hidden edit control with the HSP lexer and a small set of keyword lists, and the checks the
// lexer tests share: styles asserted span by span, and a fresh styling to compare against.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "support/EditControl.h"
#include "vessary/VessaryMessages.h"

namespace HspTest {

// Short names of the lexer's styles, so that expectations read like the scripts they check.
enum Style : int {
    DEF = VSHSP_DEFAULT,
    BLOCK = VSHSP_COMMENTBLOCK,
    LINE = VSHSP_COMMENTLINE,
    NUM = VSHSP_NUMBER,
    FUNC = VSHSP_FUNCTION,
    STR = VSHSP_STRING,
    MSTR = VSHSP_MULTISTRING,
    CHR = VSHSP_CHARACTER,
    LBL = VSHSP_LABEL,
    REF = VSHSP_LABELREF,
    OP = VSHSP_OPERATOR,
    ID = VSHSP_IDENTIFIER,
    CMD = VSHSP_COMMAND,
    MAC = VSHSP_MACRO,
    PP = VSHSP_PREPROCESSOR,
    SYS = VSHSP_SYSVAR,
    RES = VSHSP_PRERESERVED,
    API = VSHSP_WIN32API,
    PLUG = VSHSP_PLUGIN,
    USER = VSHSP_USER,
};

// One piece of a script and the style every byte of it must get.
struct Span {
    std::string text;
    int style;
};

// Lexer 300 on a hidden control with code page 932 and keyword sets 0 to 8 (a few real words
// each, and some words in several sets to pin which set wins).
class HspView {
public:
    HspView();
    const EditControl &Control() const { return control_; }
    void SetKeywords(int set, const char *words);
    const std::string &Keywords(int set) const { return keywords_[set]; }
    // Only sets 3 and 5, as the hidden views that analyse scripts have them.
    void UseAnalysisKeywords();
    // Replaces the text and styles all of it; returns one style per byte.
    std::string Style(const std::string &script) const;
    // The current styles, one per byte, read in one call.
    std::string Styles() const;
    // The line where Scintilla's own lazy styling would pick up again.
    intptr_t StyledLine() const;
    // Restyles from the start of a line up to end (-1 for the whole rest).
    void RestyleFrom(intptr_t line, intptr_t end = -1) const;

private:
    EditControl control_;
    std::string keywords_[9];
};

// Styles the concatenated spans as one script and compares every byte's style.
testing::AssertionResult StylesAre(const HspView &view, std::initializer_list<Span> spans);

// Compares the control's current styles with those a fresh control gives the same text from
// the top; on a difference it names the first position and the line around it.
testing::AssertionResult MatchesFreshStyling(const HspView &view);

// Restyles from the start of every line: the styles must not change.
testing::AssertionResult RestylingFromEveryLineChangesNothing(const HspView &view);

}
