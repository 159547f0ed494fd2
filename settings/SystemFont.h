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

private:
    std::vector<SystemFontData> fonts_;
};
