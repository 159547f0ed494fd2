// The HSP compiler library as the program uses it: one per main frame. Every HSP command asks
// IsReady() first and does nothing without the library.
#pragma once

#include <string>

#include "hsp/HspLibrary.h"

class Hsp : public HspLibrary {
public:
    Hsp() = default;
    ~Hsp() override { Hsp::Unload(); }

    // A library lacking an entry point is not kept: it is unloaded and false returned, and
    // MissingEntry() names the entry point. A library that does not load at all leaves its
    // error code in LoadError().
    bool Load(const char *path) override;
    // Says goodbye to the library (hsc_bye) before freeing it.
    void Unload() override;
    bool IsReady() const { return loaded_; }
    const std::string &MissingEntry() const { return missing_; }
    DWORD LoadError() const { return loadError_; }

    // The message text the library holds now: compiler errors and reports, or the symbol list.
    std::string Messages() const;
    // The compiler's version text.
    std::string Version() const;
    // The reserved words, one a line, the field before each tab filled to 20 columns. The
    // library reads them with home + "common\" as the current folder.
    std::string ListReservedWords(const std::string &home) const;

private:
    bool loaded_ = false;
    std::string missing_;
    DWORD loadError_ = 0;
};
