// Owns one bitmap handle.
#pragma once

#include <windows.h>

#include "framework/LiveHandles.h"
#include "framework/Object.h"

class Bitmap : public Object {
public:
    Bitmap() = default;
    ~Bitmap() override { Reset(); }
    Bitmap(const Bitmap &) = delete;
    Bitmap &operator=(const Bitmap &) = delete;

    bool Load(HINSTANCE instance, int resourceId);
    void Reset(HBITMAP bitmap = nullptr);
    HBITMAP Handle() const { return bitmap_; }

private:
    HBITMAP bitmap_ = nullptr;
    LiveHandle<HandleKind::Bitmap> live_;
};
