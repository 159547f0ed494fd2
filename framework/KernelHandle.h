// Owns one kernel object handle (file, mapping, process, thread, mutex, event).
#pragma once

#include <windows.h>

#include "framework/LiveHandles.h"
#include "framework/Object.h"

class KernelHandle : public Object {
public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE handle) : handle_(handle) { live_.Set(Valid()); }
    ~KernelHandle() override { Reset(); }
    KernelHandle(const KernelHandle &) = delete;
    KernelHandle &operator=(const KernelHandle &) = delete;
    KernelHandle(KernelHandle &&other) noexcept : KernelHandle(other.Release()) {}
    KernelHandle &operator=(KernelHandle &&other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    // Closes the handle held (a failed close is reported by the return value).
    bool Reset(HANDLE handle = nullptr) {
        bool closed = true;
        if (Valid())
            closed = CloseHandle(handle_) != FALSE;
        handle_ = handle;
        live_.Set(Valid());
        return closed;
    }
    HANDLE Release() {
        HANDLE handle = handle_;
        handle_ = nullptr;
        live_.Set(false);
        return handle;
    }
    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_ = nullptr;
    LiveHandle<HandleKind::Kernel> live_;
};
