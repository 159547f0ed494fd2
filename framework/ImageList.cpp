#include "framework/ImageList.h"

#include "framework/Bitmap.h"

bool ImageList::Create(int width, int height, UINT flags, int initial, int grow) {
    Reset(ImageList_Create(width, height, flags, initial, grow));
    return list_ != nullptr;
}

int ImageList::AddMasked(HBITMAP bitmap, COLORREF mask) {
    if (!list_ || !bitmap)
        return 0;
    const int before = Count();
    if (ImageList_AddMasked(list_, bitmap, mask) < 0)
        return 0;
    return Count() - before;
}

bool ImageList::LoadStrip(HINSTANCE instance, int resourceId, int size, int count) {
    Bitmap strip;
    if (!strip.Load(instance, resourceId) || !Create(size, size, ILC_COLOR32 | ILC_MASK, count, 0))
        return false;
    return AddMasked(strip.Handle(), RGB(255, 0, 255)) == count;
}

int ImageList::Add(HBITMAP bitmap) {
    if (!list_ || !bitmap)
        return 0;
    const int before = Count();
    if (ImageList_Add(list_, bitmap, nullptr) < 0)
        return 0;
    return Count() - before;
}

void ImageList::Reset(HIMAGELIST list) {
    if (list_)
        ImageList_Destroy(list_);
    list_ = list;
    live_.Set(list_ != nullptr);
}
