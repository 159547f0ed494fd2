// The edit menu's commands on a view's text: line comments, block comments, the NULL character
// and tab expansion. Each works on the selection (or the caret's line), keeps the selection over
// the text it worked on, and is one undo step.
#pragma once

#include "editor/Vessary.h"
#include "framework/Object.h"

class EditCommands : public Object {
public:
    explicit EditCommands(Vessary &view) : view_(view) {}

    // Puts prefix at the start of every line the selection touches, including a line the
    // selection ends at the very start of.
    void InsertLinePrefix(const char *prefix);
    // Removes a ";" that is the first byte of a line the selection touches.
    void RemoveSemicolonComments();
    // Surrounds the selection with "/* " and " */" and selects the whole.
    void InsertBlockComment();
    // One zero byte at the caret.
    void InsertNullCharacter();
    // Tabs in the selection, or in the whole text when nothing is selected, become the spaces up
    // to the next multiple of width (double-byte characters count two columns). Nothing happens
    // for a width below 1.
    void TabsToSpaces(int width);

private:
    Vessary &view_;
};
