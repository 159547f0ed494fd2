#include "framework/Module.h"

bool Module::Load(const char *path) {
    Unload();
    module_ = LoadLibraryA(path);
    live_.Set(module_ != nullptr);
    return module_ != nullptr;
}

void Module::Unload() {
    if (module_)
        FreeLibrary(module_);
    module_ = nullptr;
    live_.Set(false);
}
