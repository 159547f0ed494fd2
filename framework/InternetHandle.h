// Owns one WinInet handle (session, connection or request).
#pragma once

#include <windows.h>
#include <wininet.h>

#include "framework/LiveHandles.h"
#include "framework/Object.h"

class InternetHandle : public Object {
public:
    InternetHandle() = default;
    explicit InternetHandle(HINTERNET handle) : handle_(handle) { live_.Set(handle_ != nullptr); }
    ~InternetHandle() override { Reset(); }
    InternetHandle(const InternetHandle &) = delete;
    InternetHandle &operator=(const InternetHandle &) = delete;

    void Reset(HINTERNET handle = nullptr) {
        if (handle_)
            InternetCloseHandle(handle_);
        handle_ = handle;
        live_.Set(handle_ != nullptr);
    }
    HINTERNET Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HINTERNET handle_ = nullptr;
    LiveHandle<HandleKind::Internet> live_;
};
