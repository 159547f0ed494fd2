// Owns one storage medium a data object handed out (its global memory, stream or storage):
// released with ReleaseStgMedium, as the medium's own rules say.
#pragma once

#include <windows.h>
#include <ole2.h>

#include "framework/Object.h"

class StorageMedium : public Object {
public:
    StorageMedium() = default;
    ~StorageMedium() override { Reset(); }
    StorageMedium(const StorageMedium &) = delete;
    StorageMedium &operator=(const StorageMedium &) = delete;

    // Empty, ready for IDataObject::GetData to fill.
    STGMEDIUM *Receive() {
        Reset();
        return &medium_;
    }
    // The global memory it holds, or null.
    HGLOBAL Global() const { return medium_.tymed == TYMED_HGLOBAL ? medium_.hGlobal : nullptr; }
    void Reset() {
        if (medium_.tymed != TYMED_NULL)
            ReleaseStgMedium(&medium_);
        medium_ = STGMEDIUM{};
    }

private:
    STGMEDIUM medium_{};
};
