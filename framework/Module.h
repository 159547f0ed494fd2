// Owns one loaded library.
#pragma once

#include <windows.h>

#include "framework/LiveHandles.h"
#include "framework/Object.h"

class Module : public Object {
public:
    Module() = default;
    ~Module() override { Module::Unload(); }
    Module(const Module &) = delete;
    Module &operator=(const Module &) = delete;

    // Unloads any earlier library first; true when a handle came back.
    virtual bool Load(const char *path);
    virtual void Unload();
    HMODULE Handle() const { return module_; }
    bool IsLoaded() const { return module_ != nullptr; }

private:
    HMODULE module_ = nullptr;
    LiveHandle<HandleKind::Module> live_;
};
