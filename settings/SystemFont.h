// The fixed-pitch Shift-JIS fonts of the screen, with the point sizes each offers.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "framework/Object.h"

struct SystemFontData {
    std::string name;
    std::set<int> sizes;
};

class SystemFont : public Object {
public:
    // Enumerates the screen's fonts.
    SystemFont();
    // A fixed table (tests).
    explicit SystemFont(std::vector<SystemFontData> fonts);

    const std::vector<SystemFontData> &Fonts() const { return fonts_; }
    // The entry of an exact (case-sensitive) face name, or null.
    const SystemFontData *Find(const char *name) const;
    // The entry of name; else the first of "FixedSys", "ＭＳ ゴシック", "ＭＳ 明朝" in the table;
    // else the first entry; null only when the table is empty.
    const SystemFontData *FindOrFallback(const char *name) const;
    // size when the face offers it, else the largest size below it, else the smallest size (size
    // unchanged when the face offers none).
    static int SnapSize(const SystemFontData &font, int size);

private:
    std::vector<SystemFontData> fonts_;
};
