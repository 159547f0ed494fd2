#include "hsp/Hsp.h"

#include "framework/CurrentDirectory.h"
#include "framework/Exception.h"
#include "hsp/CompilerText.h"

bool Hsp::Load(const char *path) {
    Unload();
    missing_.clear();
    loadError_ = 0;
    try {
        loaded_ = HspLibrary::Load(path);
        if (!loaded_)
            loadError_ = GetLastError();
    } catch (const CallException &missing) {
        missing_ = missing.what();
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

std::string Hsp::Messages() const {
    int size = 0;
    Call(hsc3_messize, reinterpret_cast<INT_PTR>(&size));
    if (size <= 0)
        return std::string();
    // One byte more than asked for, so that a library that forgets the terminator is still read safely.
    std::string text(static_cast<size_t>(size) + 1, '\0');
    Call(hsc_getmes, reinterpret_cast<INT_PTR>(&text[0]));
    text.resize(text.find('\0'));
    return text;
}

std::string Hsp::Version() const {
    char version[260] = "";
    Call(hsc_ver, 0, 0, 0, reinterpret_cast<INT_PTR>(version));
    version[sizeof version - 1] = '\0';
    return version;
}

std::string Hsp::ListReservedWords(const std::string &home) const {
    const CurrentDirectory common(home + "common\\");
    Call(hsc3_getsym);
    return CompilerText::ExpandTabs(Messages());
}
