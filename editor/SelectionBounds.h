// The selection as every editing command sees it: start and end in text order, and which end the
// caret was at, so that the command can put the selection back with the caret on the same side.
#pragma once

#include "editor/Vessary.h"

struct SelectionBounds {
    Vessary::Position start = 0;
    Vessary::Position end = 0;
    bool caretAtEnd = false;

    static SelectionBounds Of(const Vessary &view) {
        SelectionBounds bounds;
        const Vessary::Position caret = view.GetCurrentPos();
        const Vessary::Position anchor = view.GetAnchor();
        bounds.caretAtEnd = caret > anchor;
        bounds.start = bounds.caretAtEnd ? anchor : caret;
        bounds.end = bounds.caretAtEnd ? caret : anchor;
        return bounds;
    }

    bool Empty() const { return start == end; }

    // Selects [start, end) again.
    void Restore(Vessary &view) const {
        view.SetCurrentPos(caretAtEnd ? end : start);
        view.SetAnchor(caretAtEnd ? start : end);
    }
};

// Brackets a multi-step edit so that one undo reverts it.
class UndoGroup {
public:
    explicit UndoGroup(Vessary &view) : view_(view) { view_.BeginUndoAction(); }
    ~UndoGroup() { view_.EndUndoAction(); }
    UndoGroup(const UndoGroup &) = delete;
    UndoGroup &operator=(const UndoGroup &) = delete;

private:
    Vessary &view_;
};
