// The HSP compiler library as the program uses it: one per main frame. Every HSP command asks
// IsLoaded() first and does nothing without the library.
#pragma once

#include "hsp/HspLibrary.h"

class Logger;

class Hsp : public HspLibrary {
public:
    explicit Hsp(Logger *logger = nullptr) : logger_(logger) {}
    ~Hsp() override { Hsp::Unload(); }

    // A library lacking an entry point is not kept: it is logged and unloaded, and false returned.
    bool Load(const char *path) override;
    // Says goodbye to the library (hsc_bye) before freeing it.
    void Unload() override;
    bool IsReady() const { return loaded_; }

private:
    Logger *logger_;
    bool loaded_ = false;
};
