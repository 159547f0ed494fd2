// The 71 named colours every colour setting is checked against.
#pragma once

#include <windows.h>

#include "framework/Object.h"

struct SystemColorData {
    const char *name;
    COLORREF color;
};

// The table in its order: the program's own spelling of each name, then #RRGGBB.
#define TAMBOREL_SYSTEM_COLORS(X)                                                                   \
    X(AliceBlue, 0xF0F8FF) X(Aqua, 0x00FFFF) X(AquaMarine, 0x7FFFD4) X(Bisque, 0xFFE4C4)            \
    X(Black, 0x000000) X(Blue, 0x0000FF) X(CadetBlue, 0x5F9EA0) X(Chocolate, 0xD2691E)              \
    X(Crimson, 0xDC143C) X(DarkBlue, 0x00008B) X(DarkGray, 0xA9A9A9) X(DarkKhaki, 0xBDB76B)         \
    X(DarkOliveGreen, 0x556B2F) X(DarkOrange, 0xFF8C00) X(DarkSlateGray, 0x2F4F4F)                  \
    X(DarkTurquoise, 0x00CED1) X(DeepPink, 0xFF1493) X(DeepSkyBlue, 0x00BFFF) X(DimGray, 0x696969)  \
    X(DodgerBlue, 0x1E90FF) X(FireBrick, 0xB22222) X(FloralWhite, 0xFFFAF0)                         \
    X(ForestGreen, 0x228B22) X(Fuchsia, 0xFF00FF) X(Gainsboro, 0xDCDCDC) X(Gold, 0xFFD700)          \
    X(GoldenRod, 0xDAA520) X(Gray, 0x808080) X(Green, 0x008000) X(GreenYellow, 0xADFF2F)            \
    X(HoneyDew, 0xF0FFF0) X(Indigo, 0x4B0082) X(LawnGreen, 0x7CFC00) X(LightCoral, 0xF08080)        \
    X(LightGreen, 0x90EE90) X(LightSteelBlue, 0xB0C4DE) X(LightYellow, 0xFFFFE0) X(Lime, 0x00FF00)  \
    X(Maroon, 0x800000) X(MediumOrchid, 0xBA55D3) X(MediumSlateBlue, 0x7B68EE)                      \
    X(MediumVioletRed, 0xC71585) X(MidNightBlue, 0x191970) X(MistyRose, 0xFFE4E1)                   \
    X(Moccasin, 0xFFE4B5) X(Navy, 0x000080) X(Olive, 0x808000) X(Orange, 0xFFA500)                  \
    X(OrangeRed, 0xFF4500) X(PaleGoldenRod, 0xEEE8AA) X(PaleTurquoise, 0xAFEEEE)                    \
    X(PaleVioletRed, 0xDB7093) X(Peru, 0xCD853F) X(Pink, 0xFFC0CB) X(Plum, 0xDDA0DD)                \
    X(PowderBlue, 0xB0E0E6) X(Purple, 0x800080) X(Red, 0xFF0000) X(RosyBrown, 0xBC8F8F)             \
    X(RoyalBlue, 0x4169E1) X(Sienna, 0xA0522D) X(Silver, 0xC0C0C0) X(SkyBlue, 0x87CEEB)             \
    X(SpringGreen, 0x00FF7F) X(SteelBlue, 0x4682B4) X(Tan, 0xD2B48C) X(Teal, 0x008080)              \
    X(Tomato, 0xFF6347) X(Violet, 0xEE82EE) X(White, 0xFFFFFF) X(Yellow, 0xFFFF00)

// The colour references (0x00BBGGRR) of the table, by name: Colors::AliceBlue.
namespace Colors {
constexpr COLORREF FromRgb(unsigned long rgb) {
    return static_cast<COLORREF>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}
#define TAMBOREL_COLOR_CONSTANT(name, rgb) constexpr COLORREF name = FromRgb(rgb);
TAMBOREL_SYSTEM_COLORS(TAMBOREL_COLOR_CONSTANT)
#undef TAMBOREL_COLOR_CONSTANT
}

class SystemColor : public Object {
public:
    static constexpr int Count = 71;

    // index in 0 ... Count - 1.
    const SystemColorData &operator[](int index) const;
    // The colour itself when it is one of the table's, else the first entry's (AliceBlue).
    COLORREF Lookup(COLORREF color) const;
    // The entry's index, or -1.
    int IndexOf(COLORREF color) const;
    // The colour of a name, or the first entry's colour when no entry has that name.
    COLORREF ByName(const char *name) const;
};
