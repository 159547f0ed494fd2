#include "hsp/CompilerFont.h"

#include <windows.h>

#include "framework/Bitmap.h"
#include "framework/Font.h"
#include "framework/MemoryDC.h"

namespace {

const int intendedHeight = 12;
const int tallestHeight = 16;

// Whether an underscore drawn with the font leaves any mark (on a monochrome canvas).
bool DrawsUnderscore(HFONT font) {
    MemoryDC dc;
    const int side = tallestHeight * 2;
    Bitmap canvas;
    canvas.Reset(CreateCompatibleBitmap(dc.Handle(), side, side));
    dc.Select(canvas.Handle());
    dc.Select(font);
    RECT all{0, 0, side, side};
    FillRect(dc.Handle(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    TextOutA(dc.Handle(), 0, 0, "_", 1);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (GetPixel(dc.Handle(), x, y) != RGB(255, 255, 255))
                return true;
    return false;
}

}

bool CreateCompilerFont(Font &font) {
    for (int height = intendedHeight; height <= tallestHeight; ++height)
        if (font.Create(height, "ＭＳ ゴシック") && DrawsUnderscore(font.Handle()))
            return true;
    return font.Create(intendedHeight, "ＭＳ ゴシック");
}
