// Owns one image list.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/LiveHandles.h"
#include "framework/Object.h"

class ImageList : public Object {
public:
    ImageList() = default;
    ~ImageList() override { Reset(); }
    ImageList(const ImageList &) = delete;
    ImageList &operator=(const ImageList &) = delete;

    bool Create(int width, int height, UINT flags, int initial, int grow);
    // Adds the images of a bitmap strip, with mask colour as transparent; the number added.
    int AddMasked(HBITMAP bitmap, COLORREF mask);
    // Made from a bitmap resource holding count square images of size pixels on the tool strips'
    // magenta background; false unless every image is there.
    bool LoadStrip(HINSTANCE instance, int resourceId, int size, int count);
    // Adds the images of a bitmap strip as they are; the number added.
    int Add(HBITMAP bitmap);
    int Count() const { return list_ ? ImageList_GetImageCount(list_) : 0; }
    void Reset(HIMAGELIST list = nullptr);
    HIMAGELIST Handle() const { return list_; }

private:
    HIMAGELIST list_ = nullptr;
    LiveHandle<HandleKind::ImageList> live_;
};
