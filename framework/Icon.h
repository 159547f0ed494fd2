// Owns one icon handle (one made for the caller, such as the shell's file icons; never a shared one).
#pragma once

#include <windows.h>

#include "framework/LiveHandles.h"
#include "framework/Object.h"

class Icon : public Object {
public:
    Icon() = default;
    explicit Icon(HICON icon) : icon_(icon) { live_.Set(icon_ != nullptr); }
    ~Icon() override { Reset(); }
    Icon(const Icon &) = delete;
    Icon &operator=(const Icon &) = delete;

    void Reset(HICON icon = nullptr) {
        if (icon_)
            DestroyIcon(icon_);
        icon_ = icon;
        live_.Set(icon_ != nullptr);
    }
    HICON Handle() const { return icon_; }

private:
    HICON icon_ = nullptr;
    LiveHandle<HandleKind::Icon> live_;
};
