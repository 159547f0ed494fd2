#include "framework/TextInk.h"

#include <windows.h>

#include <cstring>

#include "framework/Bitmap.h"
#include "framework/Font.h"
#include "framework/MemoryDC.h"

namespace TextInk {

int PixelsPerInch() {
    MemoryDC dc;
    const int pixels = dc.Handle() ? GetDeviceCaps(dc.Handle(), LOGPIXELSY) : 0;
    return pixels > 0 ? pixels : 96;
}

bool Draws(const char *face, int pixelHeight, const char *text) {
    const int length = static_cast<int>(std::strlen(text));
    const int width = pixelHeight * (length + 2);
    const int height = pixelHeight * 3;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    Font font;
    Bitmap canvas;
    canvas.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDC dc;
    if (!canvas.Handle() || !bits || !dc.Handle() || !font.Create(-pixelHeight, face))
        return true;
    const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
    std::memset(bits, 0xFF, bytes);
    dc.Select(canvas.Handle());
    dc.Select(font.Handle());
    SetTextColor(dc.Handle(), RGB(0, 0, 0));
    SetBkMode(dc.Handle(), TRANSPARENT);
    TextOutA(dc.Handle(), pixelHeight / 2, pixelHeight / 2, text, length);
    GdiFlush();
    const auto *pixel = static_cast<const unsigned char *>(bits);
    for (size_t i = 0; i < bytes; ++i) {
        if (pixel[i] != 0xFF)
            return true;
    }
    return false;
}

}
