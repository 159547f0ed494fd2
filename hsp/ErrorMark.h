// The first error of a failed compile shown in its document: the line's background marked and
// the compiler's message below it, until that line is edited or a compile succeeds.
#pragma once

#include <windows.h>

#include <string>

#include "editor/Vessary.h"

class Document;
class DocumentView;
struct SCNotification;

class ErrorMark {
public:
    // Any earlier mark goes first.
    void Show(DocumentView &documents, Document &document, Vessary::Position line, const std::string &message);
    void Clear(DocumentView &documents);
    // Edits come as notifications: an edit of the marked line takes the mark away once the edit
    // is done (the component must not be changed while it reports a change).
    void OnEditNotification(DocumentView &documents, Document &view, const SCNotification &notification);
    // The marked document's window and line, -1 when nothing is marked.
    HWND MarkedView() const { return view_; }
    Vessary::Position MarkedLine(DocumentView &documents) const;

private:
    HWND view_ = nullptr;
    int handle_ = -1;
    bool edited_ = false;
};
