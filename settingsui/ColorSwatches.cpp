#include "settingsui/ColorSwatches.h"

#include <cstdint>

#include "framework/Bitmap.h"
#include "settings/SystemColor.h"

namespace {

const uint32_t frameColor = 0x404040;

// A 32-bit pixel (0x00RRGGBB) from a colour reference (0x00BBGGRR).
uint32_t Pixel(COLORREF color) { return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color); }

// Every swatch side by side in one top-down bitmap: a dark frame around the colour, so that
// white and the pale colours still stand out against the list's background.
HBITMAP MakeStrip(const SystemColor &colors) {
    const int width = ColorSwatches::Width * SystemColor::Count;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -ColorSwatches::Height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HBITMAP strip = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!strip)
        return nullptr;
    auto *pixels = static_cast<uint32_t *>(bits);
    for (int y = 0; y < ColorSwatches::Height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int inside = x % ColorSwatches::Width;
            const bool frame = y == 0 || y == ColorSwatches::Height - 1 || inside == 0 || inside == ColorSwatches::Width - 1;
            pixels[y * width + x] = frame ? frameColor : Pixel(colors[x / ColorSwatches::Width].color);
        }
    }
    return strip;
}

}

ColorSwatches::ColorSwatches(const SystemColor &colors) {
    if (!images_.Create(Width, Height, ILC_COLOR32, SystemColor::Count, 0))
        return;
    Bitmap strip;
    strip.Reset(MakeStrip(colors));
    images_.Add(strip.Handle());
}
