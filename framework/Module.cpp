#include "framework/Module.h"

bool Module::Load(const char *path) {
    Unload();
    module_ = LoadLibraryA(path);
    return module_ != nullptr;
}

void Module::Unload() {
    if (module_)
        FreeLibrary(module_);
    module_ = nullptr;
}
