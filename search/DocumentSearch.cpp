#include "search/DocumentSearch.h"

#include <algorithm>

#include "Scintilla.h"

#include "editor/SelectionBounds.h"
#include "editor/Vessary.h"
#include "framework/ShiftJis.h"

namespace {

using Position = Vessary::Position;

struct Hit {
    Position start;
    Position end;
};

// The component's regular expressions work on bytes: a double-byte character whose trail byte
// is '\\', '[', ']' or '^' (表, ー, ...) would turn into an escape or a bracket. Such a trail byte
// is escaped, so that every character of the pattern means itself.
std::string ComponentPattern(const std::string &text, int flags) {
    if (!(flags & SCFIND_REGEXP))
        return text;
    std::string pattern;
    pattern.reserve(text.size() + 8);
    for (size_t i = 0; i < text.size(); ++i) {
        pattern += text[i];
        if (!ShiftJis::IsLeadByte(static_cast<unsigned char>(text[i])) || i + 1 == text.size())
            continue;
        const char trail = text[++i];
        if (trail == '\\' || trail == '[' || trail == ']' || trail == '^')
            pattern += '\\';
        pattern += trail;
    }
    return pattern;
}

Hit Find(const Vessary &view, int flags, Position from, Position limit, const std::string &text) {
    Hit hit{-1, -1};
    hit.start = view.FindText(flags, from, limit, text.c_str(), &hit.end);
    return hit;
}

// The hits of one replace-all pass, found in the text as it was, and the text that takes the
// place of the span from the first hit to the end of the last.
class Replacement {
public:
    Replacement(const std::string &original, Position originalStart, const std::string &text)
        : original_(original), originalStart_(originalStart), text_(text) {
        result_.reserve(original.size());
    }

    void Add(Hit hit) {
        if (spanStart_ < 0)
            spanStart_ = copied_ = hit.start;
        result_.append(original_, static_cast<size_t>(copied_ - originalStart_), static_cast<size_t>(hit.start - copied_));
        result_ += text_;
        copied_ = hit.end;
        ++count_;
    }

    int Count() const { return count_; }

    void Apply(Vessary &view) const {
        if (count_ == 0)
            return;
        UndoGroup group(view);
        view.SetTargetStart(spanStart_);
        view.SetTargetEnd(copied_);
        view.ReplaceTarget(result_.data(), static_cast<Position>(result_.size()));
    }

private:
    const std::string &original_;
    Position originalStart_;
    const std::string &text_;
    std::string result_;
    Position spanStart_ = -1;
    Position copied_ = -1;
    int count_ = 0;
};

}

namespace DocumentSearch {

bool FindInDocument(Vessary &view, bool downward, const std::string &text, int flags) {
    const Position selectionStart = std::min(view.GetSelectionStart(), view.GetSelectionEnd());
    const Position selectionEnd = std::max(view.GetSelectionStart(), view.GetSelectionEnd());
    Position from = downward ? selectionEnd : selectionStart;
    const Position limit = downward ? view.GetTextLength() : 0;
    const std::string pattern = ComponentPattern(text, flags);
    Hit hit = Find(view, flags, from, limit, pattern);
    // An empty match (a regular expression such as "^") where the search began would be found
    // again by every next search: look on from the next character instead.
    if (hit.start == from && hit.end == from && from != limit) {
        from = downward ? view.PositionAfter(from) : view.PositionBefore(from);
        hit = Find(view, flags, from, limit, pattern);
    }
    if (hit.start < 0)
        return false;
    view.SetSelectionStart(hit.start);
    view.SetSelectionEnd(hit.end);
    view.ScrollCaret();
    return true;
}

// Every hit is found in the unchanged text and the new text goes in with one replacement: a
// million single replacements would each be recorded, restyled and announced to the frame.
// Matching on the unchanged text also keeps a hit's context (line start, word boundary) what the
// user saw.
int ReplaceAll(Vessary &view, const std::string &search, const std::string &replacement, int flags,
               bool wholeDocument) {
    const SelectionBounds selection = SelectionBounds::Of(view);
    const Position length = view.GetTextLength();
    const Position start = wholeDocument ? 0 : selection.start;
    const Position tail = wholeDocument ? 0 : length - selection.end;
    const Position end = length - tail;
    const std::string original = view.GetTextRange(start, end);
    const std::string pattern = ComponentPattern(search, flags);
    Replacement pass(original, start, replacement);
    view.SetSearchFlags(flags);
    for (Position from = start; from <= end;) {
        view.SetTargetStart(from);
        view.SetTargetEnd(end);
        const Hit hit{view.SearchInTarget(pattern.c_str(), static_cast<Position>(pattern.size())), view.GetTargetEnd()};
        if (hit.start < 0)
            break;
        // An empty match replaced by nothing changes nothing and is not counted.
        if (hit.end > hit.start || !replacement.empty())
            pass.Add(hit);
        if (hit.end > hit.start) {
            from = hit.end;
            continue;
        }
        // After an empty match the next search starts a character later, or it would stop there.
        const Position next = view.PositionAfter(hit.start);
        if (next <= hit.start)
            break;
        from = next;
    }
    pass.Apply(view);
    if (!wholeDocument) {
        view.SetSelectionStart(start);
        view.SetSelectionEnd(view.GetTextLength() - tail);
    }
    return pass.Count();
}

}
