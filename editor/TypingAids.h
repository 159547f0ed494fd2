// What typing and the mouse trigger in a document: automatic indentation after a line feed, the
// closing-brace outdent, code completion, and call tips (from the keyboard, the menu and mouse
// dwell) with their argument highlight.
#pragma once

#include <string>

#include "editor/Vessary.h"
#include "framework/Object.h"
#include "language/KeywordFiles.h"

class CompletionSource;
class Document;
class LexerCommon;

// The editor settings the typing aids follow.
struct TypingSettings {
    bool autoIndent = true;
    bool indentBySpace = false;
    int indentSize = 4;
    bool codeTipByKeyboard = true;
    bool codeTipByMouse = true;

    static TypingSettings From(const LexerCommon &common);
};

class TypingAids : public Object {
public:
    // tips: the document's code-tip table (the project's when the document is in the project);
    // source, when given, knows the tips of the commands and functions the script defines.
    // Call tips need the HSP colouring, so they appear in HSP documents only.
    TypingAids(Document &document, const TypingSettings &settings, const CodeTipTable &tips,
               CompletionSource *source = nullptr)
        : document_(document), settings_(settings), tips_(tips), source_(source) {}
    // With the program's settings and the document's table.
    static TypingAids For(Document &document, CompletionSource *source = nullptr);

    // A character the user typed (SCN_CHARADDED).
    void CharAdded(int character);
    // After every update of the view (SCN_UPDATEUI): cancels a keyboard tip once the caret moved
    // left of it, else highlights the argument the caret is in.
    void UpdateUi();
    // The mouse rested over the view at a text position (-1: not over text).
    void DwellStart(Vessary::Position position);
    void DwellEnd();

    // The line feed's indentation: the previous line's blanks, one unit more after a line that
    // ends in "{", one unit after a label line.
    void AutoIndent();
    // A "}" typed after an indentation gives back one unit of it.
    void BraceOutdent();
    // Scans the caret's line for the innermost command or function call the caret is in and
    // shows its tip; fromMenu keeps the tip open wherever the caret goes.
    void CallTip(bool fromMenu);
    // The completion list for the word before the caret, unless one is shown or list is empty.
    // A label's asterisk belongs to the word, so that labels complete with it.
    static void CodeComplete(Vessary &view, const std::string &list);

private:
    std::string IndentUnit() const;
    // again: the word of the tip shown, asked for once more.
    const CodeTip *Lookup(const char *word, bool again) const;

    Document &document_;
    const TypingSettings settings_;
    const CodeTipTable &tips_;
    CompletionSource *source_;
};
