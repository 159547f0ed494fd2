#include "framework/Font.h"

#include <cstring>

bool Font::Create(int height, const char *face, int weight) {
    LOGFONTA logFont{};
    logFont.lfHeight = height;
    logFont.lfWeight = weight;
    logFont.lfCharSet = SHIFTJIS_CHARSET;
    logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = DEFAULT_QUALITY;
    logFont.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    if (face)
        lstrcpynA(logFont.lfFaceName, face, LF_FACESIZE);
    return CreateIndirect(logFont);
}

bool Font::CreateIndirect(const LOGFONTA &logFont) {
    Reset(CreateFontIndirectA(&logFont));
    return font_ != nullptr;
}

void Font::Reset(HFONT font) {
    if (font_)
        DeleteObject(font_);
    font_ = font;
    live_.Set(font_ != nullptr);
}
