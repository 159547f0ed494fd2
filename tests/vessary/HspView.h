// A hidden edit control with the HSP lexer, and the checks the HSP lexer tests share. Styles are
// compared in the notation of the lexer cases: "{n}" before each run of bytes of style n.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/EditControl.h"

class HspView {
public:
    // Keyword sets by number, as the cases give them in a resource, a set a line ("3 #define #if").
    using Keywords = std::map<int, std::string>;
    static Keywords ReadKeywords(const char *resource);

    // The keyword sets every case starts with (HSP_SETS).
    HspView();
    void SetKeywords(const Keywords &sets);
    const EditControl &Control() const { return control_; }
    // Replaces the text and styles all of it; returns one style per byte.
    std::string Style(const std::string &script) const;
    std::string Styles() const;
    // The line where Scintilla's own lazy styling would pick up again.
    intptr_t StyledLine() const;
    // Restyles from the start of a line up to end (-1 for the whole rest).
    void RestyleFrom(intptr_t line, intptr_t end = -1) const;

private:
    EditControl control_;
    Keywords keywords_;
};

// The text in the notation of the cases; fails when a run starts inside a double-byte character.
testing::AssertionResult Notation(const std::string &text, const std::string &styles, std::string &styled);

// The control's styles against those a fresh control gives the same text from the top.
testing::AssertionResult MatchesFreshStyling(const HspView &view);

// Restyling from the start of every line changes no style.
testing::AssertionResult RestylingFromEveryLineChangesNothing(const HspView &view);
