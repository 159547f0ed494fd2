// Finding and replacing in one edit view. The edit component does the matching (plain text,
// whole word, case, regular expressions), so the dialog and the find-next keys agree on what a
// hit is.
#pragma once

#include <string>

class Vessary;

namespace DocumentSearch {

// The next hit after the selection (downward) or before it (upward), selected and scrolled into
// view; false, and nothing changed, when there is none. Never wraps.
bool FindInDocument(Vessary &view, bool downward, const std::string &text, int flags);

// Replaces every hit in the whole text or in the selection with the replacement, taken
// literally, as one undo step; returns the number of replacements. In a selection the changed
// range is selected afterwards.
int ReplaceAll(Vessary &view, const std::string &search, const std::string &replacement, int flags,
               bool wholeDocument);

}
