#include "framework/Bitmap.h"

bool Bitmap::Load(HINSTANCE instance, int resourceId) {
    Reset(static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return bitmap_ != nullptr;
}

void Bitmap::Reset(HBITMAP bitmap) {
    if (bitmap_)
        DeleteObject(bitmap_);
    bitmap_ = bitmap;
    live_.Set(bitmap_ != nullptr);
}
