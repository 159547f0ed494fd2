#include "support/EditControl.h"

#include <stdexcept>

#include "Scintilla.h"
#include "support/TestFiles.h"

HMODULE EditControl::Library() {
    static HMODULE library = LoadLibraryA((TestFiles::ProgramFolder() + "library\\Vessary.dll").c_str());
    if (!library)
        throw std::runtime_error("cannot load library\\Vessary.dll");
    return library;
}

EditControl::EditControl() {
    Library();
    hwnd_ = CreateWindowExA(0, "Scintilla", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_)
        throw std::runtime_error("cannot create a Scintilla window");
    function_ = reinterpret_cast<decltype(function_)>(SendMessageA(hwnd_, SCI_GETDIRECTFUNCTION, 0, 0));
    pointer_ = SendMessageA(hwnd_, SCI_GETDIRECTPOINTER, 0, 0);
    Send(SCI_SETCODEPAGE, 932);
}

EditControl::~EditControl() { DestroyWindow(hwnd_); }

intptr_t EditControl::Send(unsigned int message, uintptr_t wParam, intptr_t lParam) const {
    return function_(pointer_, message, wParam, lParam);
}

void EditControl::SetText(const std::string &bytes) const {
    Send(SCI_CLEARALL);
    Send(SCI_ADDTEXT, bytes.size(), bytes.data());
}

std::string EditControl::Text() const {
    const intptr_t length = Send(SCI_GETLENGTH);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    Send(SCI_GETTEXT, static_cast<uintptr_t>(length) + 1, &text[0]);
    text.resize(static_cast<size_t>(length));
    return text;
}

void EditControl::Colourise() const { Send(SCI_COLOURISE, 0, -1); }

int EditControl::StyleAt(int position) const { return static_cast<int>(Send(SCI_GETSTYLEAT, static_cast<uintptr_t>(position))); }

std::string EditControl::Styles() const {
    const int length = static_cast<int>(Send(SCI_GETLENGTH));
    std::string styles(static_cast<size_t>(length), '\0');
    for (int i = 0; i < length; ++i)
        styles[static_cast<size_t>(i)] = static_cast<char>(StyleAt(i));
    return styles;
}
