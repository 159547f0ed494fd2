#include "navigation/ViewText.h"

#include "editor/Vessary.h"

ViewText::ViewText(Vessary &view) : view_(view) {
    const Vessary::Position length = view.GetLength();
    view.EnsureStyledTo(length);
    const char *text = length > 0 ? view.CharacterPointer() : nullptr;
    bytes_ = text ? std::string_view(text, static_cast<size_t>(length)) : std::string_view();
}

int ViewText::StyleAt(size_t position) const { return view_.GetStyleAt(static_cast<Vessary::Position>(position)); }
