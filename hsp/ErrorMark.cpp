#include "hsp/ErrorMark.h"

#include "Scintilla.h"

#include "editor/Document.h"
#include "editor/DocumentView.h"

namespace {
// Markers 25 to 31 are the folding margin's; the others are free for the program.
const int errorMarker = 20;
// A style no lexer of the program uses, for the note below the line.
const int noteStyle = 60;
const COLORREF markedLine = RGB(255, 214, 214);
const COLORREF noteText = RGB(150, 0, 0);
const COLORREF noteBack = RGB(255, 240, 240);
}

void ErrorMark::Show(DocumentView &documents, Document &document, Vessary::Position line, const std::string &message) {
    Clear(documents);
    document.MarkerDefine(errorMarker, SC_MARK_BACKGROUND);
    document.MarkerSetBack(errorMarker, markedLine);
    handle_ = document.MarkerAdd(line, errorMarker);
    document.StyleSetFore(noteStyle, noteText);
    document.StyleSetBack(noteStyle, noteBack);
    document.AnnotationSetText(line, message.c_str());
    document.AnnotationSetStyle(line, noteStyle);
    document.AnnotationSetVisible(ANNOTATION_BOXED);
    view_ = document.GetHandle();
    edited_ = false;
}

void ErrorMark::Clear(DocumentView &documents) {
    if (Document *document = documents.FindByHandle(view_)) {
        document->MarkerDeleteHandle(handle_);
        document->AnnotationClearAll();
    }
    view_ = nullptr;
    handle_ = -1;
    edited_ = false;
}

Vessary::Position ErrorMark::MarkedLine(DocumentView &documents) const {
    Document *document = documents.FindByHandle(view_);
    return document ? document->MarkerLineFromHandle(handle_) : -1;
}

void ErrorMark::OnEditNotification(DocumentView &documents, Document &view, const SCNotification &notification) {
    if (!view_ || view.GetHandle() != view_)
        return;
    if (notification.nmhdr.code == SCN_UPDATEUI && edited_) {
        Clear(documents);
        return;
    }
    if (notification.nmhdr.code != SCN_MODIFIED || !(notification.modificationType & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT)))
        return;
    const Vessary::Position marked = view.MarkerLineFromHandle(handle_);
    const Vessary::Position first = view.LineFromPosition(notification.position);
    const Vessary::Position last = first + (notification.linesAdded > 0 ? notification.linesAdded : 0);
    if (marked < 0 || (marked >= first && marked <= last))
        edited_ = true;
}
