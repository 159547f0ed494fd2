// Owns one font handle.
#pragma once

#include <windows.h>

#include "framework/LiveHandles.h"
#include "framework/Object.h"

class Font : public Object {
public:
    Font() = default;
    explicit Font(HFONT font) : font_(font) { live_.Set(font_ != nullptr); }
    ~Font() override { Reset(); }
    Font(const Font &) = delete;
    Font &operator=(const Font &) = delete;

    // A font of the given height in pixels, Shift-JIS character set and face.
    bool Create(int height, const char *face, int weight = FW_NORMAL);
    bool CreateIndirect(const LOGFONTA &logFont);
    void Reset(HFONT font = nullptr);
    // Gives the handle up without deleting it.
    HFONT Release() {
        HFONT font = font_;
        font_ = nullptr;
        live_.Set(false);
        return font;
    }
    HFONT Handle() const { return font_; }

private:
    HFONT font_ = nullptr;
    LiveHandle<HandleKind::Font> live_;
};
