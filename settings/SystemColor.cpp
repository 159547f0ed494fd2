#include "settings/SystemColor.h"

#include <cstring>

namespace {

#define TAMBOREL_COLOR_ENTRY(name, rgb) {#name, Colors::name},
const SystemColorData table[] = {TAMBOREL_SYSTEM_COLORS(TAMBOREL_COLOR_ENTRY)};
#undef TAMBOREL_COLOR_ENTRY

static_assert(sizeof table / sizeof table[0] == SystemColor::Count, "the colour table has 71 entries");

}

const SystemColorData &SystemColor::operator[](int index) const {
    if (index < 0 || index >= Count)
        index = 0;
    return table[index];
}

int SystemColor::IndexOf(COLORREF color) const {
    for (int i = 0; i < Count; ++i)
        if (table[i].color == color)
            return i;
    return -1;
}

COLORREF SystemColor::Lookup(COLORREF color) const { return IndexOf(color) < 0 ? table[0].color : color; }

COLORREF SystemColor::ByName(const char *name) const {
    if (name)
        for (const SystemColorData &entry : table)
            if (std::strcmp(entry.name, name) == 0)
                return entry.color;
    return table[0].color;
}
