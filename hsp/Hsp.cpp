#include "hsp/Hsp.h"

#include "framework/Exception.h"
#include "log/Logger.h"

bool Hsp::Load(const char *path) {
    Unload();
    try {
        loaded_ = HspLibrary::Load(path);
    } catch (const CallException &missing) {
        if (logger_)
            logger_->Error("%s [%s]", "hsp compiler lacks a function", missing.what());
        HspLibrary::Unload();
        loaded_ = false;
    }
    return loaded_;
}

void Hsp::Unload() {
    if (loaded_) {
        loaded_ = false;
        Call(hsc_bye);
    }
    HspLibrary::Unload();
}
