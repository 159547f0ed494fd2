// Words and call tips for the completion list and the call tips beyond the keyword files: the
// names a document's script defines, which only the part that reads scripts knows. That part
// offers this; the completion command and the typing aids find it through the workbench
// (Find<CompletionSource>()) and work without it when none is offered.
#pragma once

#include <string>

#include "language/KeywordFiles.h"

class Document;

class CompletionSource {
public:
    // The completion list for view: list (sorted words separated by single blanks) with the
    // source's words merged in, in the same order.
    virtual std::string CompletionList(Document &view, const std::string &list) = 0;
    // The call tip of a command or function view's script defines, or null; it stays valid until
    // the next call. again: the same word is asked for once more while its tip is shown (the
    // caret moved), and the last answer may serve.
    virtual const CodeTip *CallTip(Document &view, const char *word, bool again) = 0;

protected:
    ~CompletionSource() = default;
};
