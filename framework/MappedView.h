// Owns one view of a file mapping (MapViewOfFile), unmapped when the holder lets it go.
#pragma once

#include <windows.h>

#include "framework/LiveHandles.h"
#include "framework/Object.h"

class MappedView : public Object {
public:
    MappedView() = default;
    explicit MappedView(void *view) : view_(view) { live_.Set(Valid()); }
    ~MappedView() override { Reset(); }
    MappedView(const MappedView &) = delete;
    MappedView &operator=(const MappedView &) = delete;
    MappedView(MappedView &&other) noexcept : MappedView(other.Release()) {}
    MappedView &operator=(MappedView &&other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    // Unmaps the view held (a failed unmap is reported by the return value).
    bool Reset(void *view = nullptr) {
        bool unmapped = true;
        if (view_)
            unmapped = UnmapViewOfFile(view_) != FALSE;
        view_ = view;
        live_.Set(Valid());
        return unmapped;
    }
    void *Release() {
        void *view = view_;
        view_ = nullptr;
        live_.Set(false);
        return view;
    }
    unsigned char *Bytes() const { return static_cast<unsigned char *>(view_); }
    bool Valid() const { return view_ != nullptr; }

private:
    void *view_ = nullptr;
    LiveHandle<HandleKind::MappedView> live_;
};
