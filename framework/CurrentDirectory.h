// Sets the process's current folder for a while and puts the previous one back when it goes, on
// every way out: the HSP compiler library takes relative names against it.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Object.h"

class CurrentDirectory : public Object {
public:
    // An empty folder leaves the current one as it is (an untitled script has none).
    explicit CurrentDirectory(const std::string &folder) {
        const DWORD length = GetCurrentDirectoryA(0, nullptr);
        previous_.assign(length, '\0');
        if (length == 0 || GetCurrentDirectoryA(length, &previous_[0]) >= length)
            previous_.clear();
        else
            previous_.resize(length - 1);
        if (!folder.empty())
            SetCurrentDirectoryA(folder.c_str());
    }
    ~CurrentDirectory() override {
        if (!previous_.empty())
            SetCurrentDirectoryA(previous_.c_str());
    }
    CurrentDirectory(const CurrentDirectory &) = delete;
    CurrentDirectory &operator=(const CurrentDirectory &) = delete;

private:
    std::string previous_;
};
