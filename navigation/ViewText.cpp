#include "navigation/ViewText.h"

#include <algorithm>

#include "Scintilla.h"

#include "editor/Vessary.h"

namespace {
const size_t blockSize = 64;
}

ViewText::ViewText(Vessary &view) : view_(view) {
    const Vessary::Position length = view.GetLength();
    // A notice to the parent per coloured line costs more than the colouring itself when a
    // large text is coloured at once, and no one reads those notices.
    const int mask = view.GetModEventMask();
    view.SetModEventMask(mask & ~(SC_MOD_CHANGESTYLE | SC_MOD_CHANGELINESTATE | SC_MOD_CHANGEFOLD));
    view.EnsureStyledTo(length);
    view.SetModEventMask(mask);
    const char *text = length > 0 ? view.CharacterPointer() : nullptr;
    bytes_ = text ? std::string_view(text, static_cast<size_t>(length)) : std::string_view();
}

int ViewText::StyleAt(size_t position) const {
    if (position - blockStart_ >= block_.size()) {
        if (position >= bytes_.size())
            return 0;
        blockStart_ = position;
        const size_t end = std::min(bytes_.size(), position + blockSize);
        block_ = view_.GetStyles(static_cast<Vessary::Position>(position), static_cast<Vessary::Position>(end));
    }
    return static_cast<unsigned char>(block_[position - blockStart_]);
}
