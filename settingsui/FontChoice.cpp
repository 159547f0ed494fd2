#include "settingsui/FontChoice.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/ShiftJis.h"
#include "settings/SystemFont.h"

void FontChoice::Fill(HWND faceCombo, HWND sizeCombo, const char *face, int size) {
    face_.Attach(faceCombo);
    size_.Attach(sizeCombo);
    const SystemFontData *shown = fonts_.FindOrFallback(face);
    const auto &fonts = fonts_.Fonts();
    for (size_t i = 0; i < fonts.size(); ++i) {
        face_.AddString(fonts[i].name.c_str());
        if (&fonts[i] == shown)
            face_.SetCurSel(static_cast<int>(i));
    }
    if (shown)
        ShowSizes(*shown, size);
}

void FontChoice::FaceChanged() {
    if (const SystemFontData *font = Chosen())
        ShowSizes(*font, TypedSize());
}

bool FontChoice::StoreInto(char *face, size_t capacity, int &size) const {
    const SystemFontData *font = Chosen();
    if (!font || capacity == 0)
        return false;
    bool changed = false;
    // Cut as reading cuts a face too long for its field: never inside a double-byte character.
    const std::string name = font->name.substr(0, ShiftJis::WholeLength(font->name.data(), std::min(font->name.size(), capacity - 1)));
    if (name != face) {
        std::memcpy(face, name.c_str(), name.size() + 1);
        changed = true;
    }
    const int snapped = SystemFont::SnapSize(*font, TypedSize());
    if (snapped != size) {
        size = snapped;
        changed = true;
    }
    return changed;
}

const SystemFontData *FontChoice::Chosen() const {
    const int selected = face_.GetCurSel();
    const auto &fonts = fonts_.Fonts();
    return selected >= 0 && static_cast<size_t>(selected) < fonts.size() ? &fonts[static_cast<size_t>(selected)] : nullptr;
}

int FontChoice::TypedSize() const { return std::atoi(size_.GetText().c_str()); }

void FontChoice::ShowSizes(const SystemFontData &font, int size) {
    size_.ResetContent();
    const int snapped = SystemFont::SnapSize(font, size);
    for (int offered : font.sizes) {
        const int index = size_.AddString(std::to_string(offered).c_str());
        if (offered == snapped)
            size_.SetCurSel(index);
    }
    SetWindowTextA(size_.GetHandle(), std::to_string(snapped).c_str());
}
