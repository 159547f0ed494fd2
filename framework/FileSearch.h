// Owns one directory search (FindFirstFileA), closed when the holder lets it go.
#pragma once

#include <windows.h>

#include "framework/LiveHandles.h"
#include "framework/Object.h"

class FileSearch : public Object {
public:
    // Starts the search; found holds the first match while Valid().
    FileSearch(const char *pattern, WIN32_FIND_DATAA &found) : search_(FindFirstFileA(pattern, &found)) {
        live_.Set(Valid());
    }
    ~FileSearch() override {
        if (Valid())
            FindClose(search_);
    }
    FileSearch(const FileSearch &) = delete;
    FileSearch &operator=(const FileSearch &) = delete;

    bool Valid() const { return search_ != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAA &found) const { return FindNextFileA(search_, &found) != FALSE; }

private:
    HANDLE search_;
    LiveHandle<HandleKind::FileSearch> live_;
};
