#include "settings/SystemFont.h"

#include <windows.h>

#include <cstdlib>
#include <iterator>
#include <utility>

namespace {

struct Enumeration {
    HDC dc;
    int pixelsPerInch;
    std::vector<SystemFontData> *fonts;
};

SystemFontData &Entry(std::vector<SystemFontData> &fonts, const char *name) {
    for (SystemFontData &font : fonts)
        if (font.name == name)
            return font;
    fonts.push_back({name, {}});
    return fonts.back();
}

struct RasterSizes {
    std::set<int> *sizes;
    int pixelsPerInch;
};

// One call per height of a raster face (enumerated by its name).
int CALLBACK RasterSize(const LOGFONTA *logFont, const TEXTMETRICA *, DWORD, LPARAM parameter) {
    auto *raster = reinterpret_cast<RasterSizes *>(parameter);
    const int height = std::abs(static_cast<int>(logFont->lfHeight));
    if (height > 0)
        raster->sizes->insert(MulDiv(height, 72, raster->pixelsPerInch));
    return 1;
}

int CALLBACK Family(const LOGFONTA *logFont, const TEXTMETRICA *, DWORD type, LPARAM parameter) {
    const auto *font = reinterpret_cast<const ENUMLOGFONTEXA *>(logFont);
    auto *enumeration = reinterpret_cast<Enumeration *>(parameter);
    const char *name = reinterpret_cast<const char *>(font->elfFullName);
    if ((logFont->lfPitchAndFamily & 0x03) != FIXED_PITCH || name[0] == '@' || name[0] == '\0')
        return 1;
    SystemFontData &entry = Entry(*enumeration->fonts, name);
    if (type & TRUETYPE_FONTTYPE) {
        for (int size = 8; size <= 32; ++size)
            entry.sizes.insert(size);
        return 1;
    }
    // Enumerating a raster face by its own name reports each of its heights.
    LOGFONTA face{};
    face.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynA(face.lfFaceName, logFont->lfFaceName, LF_FACESIZE);
    RasterSizes raster{&entry.sizes, enumeration->pixelsPerInch};
    RasterSize(logFont, nullptr, type, reinterpret_cast<LPARAM>(&raster));
    EnumFontFamiliesExA(enumeration->dc, &face, RasterSize, reinterpret_cast<LPARAM>(&raster), 0);
    return 1;
}

}

SystemFont::SystemFont() {
    HDC dc = GetDC(nullptr);
    if (!dc)
        return;
    Enumeration enumeration{dc, GetDeviceCaps(dc, LOGPIXELSY), &fonts_};
    if (enumeration.pixelsPerInch <= 0)
        enumeration.pixelsPerInch = 96;
    LOGFONTA all{};
    all.lfCharSet = SHIFTJIS_CHARSET;
    EnumFontFamiliesExA(dc, &all, Family, reinterpret_cast<LPARAM>(&enumeration), 0);
    ReleaseDC(nullptr, dc);
}

SystemFont::SystemFont(std::vector<SystemFontData> fonts) : fonts_(std::move(fonts)) {}

const SystemFontData *SystemFont::Find(const char *name) const {
    if (!name)
        return nullptr;
    for (const SystemFontData &font : fonts_)
        if (font.name == name)
            return &font;
    return nullptr;
}

const SystemFontData *SystemFont::FindOrFallback(const char *name) const {
    if (const SystemFontData *font = Find(name))
        return font;
    for (const char *fallback : {"FixedSys", "ＭＳ ゴシック", "ＭＳ 明朝"})
        if (const SystemFontData *font = Find(fallback))
            return font;
    return fonts_.empty() ? nullptr : &fonts_.front();
}

int SystemFont::SnapSize(const SystemFontData &font, int size) {
    if (font.sizes.empty() || font.sizes.count(size))
        return size;
    auto above = font.sizes.upper_bound(size);
    return above == font.sizes.begin() ? *above : *std::prev(above);
}
