// Owns one memory device context (compatible with the screen) and puts back what was selected
// into it before it goes.
#pragma once

#include <windows.h>

#include "framework/LiveHandles.h"
#include "framework/Object.h"

class MemoryDC : public Object {
public:
    MemoryDC() : dc_(CreateCompatibleDC(nullptr)) { live_.Set(dc_ != nullptr); }
    ~MemoryDC() override {
        if (!dc_)
            return;
        if (bitmap_)
            SelectObject(dc_, bitmap_);
        if (font_)
            SelectObject(dc_, font_);
        DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC &) = delete;
    MemoryDC &operator=(const MemoryDC &) = delete;

    HDC Handle() const { return dc_; }
    // Selects a bitmap or font for drawing; the caller keeps it alive while the DC lives.
    void Select(HBITMAP bitmap) { Keep(bitmap_, SelectObject(dc_, bitmap)); }
    void Select(HFONT font) { Keep(font_, SelectObject(dc_, font)); }

private:
    static void Keep(HGDIOBJ &first, HGDIOBJ previous) {
        if (!first)
            first = previous;
    }

    HDC dc_;
    HGDIOBJ bitmap_ = nullptr;
    HGDIOBJ font_ = nullptr;
    LiveHandle<HandleKind::MemoryDC> live_;
};
