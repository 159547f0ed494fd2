// A hidden edit control of the built library\Vessary.dll, driven through the component's own
// direct function, for tests of the component, its lexers and whatever configures it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class EditControl {
public:
    // Loads the program folder's library\Vessary.dll once per process.
    EditControl();
    ~EditControl();
    EditControl(const EditControl &) = delete;
    EditControl &operator=(const EditControl &) = delete;

    intptr_t Send(unsigned int message, uintptr_t wParam = 0, intptr_t lParam = 0) const;
    intptr_t Send(unsigned int message, uintptr_t wParam, const char *text) const {
        return Send(message, wParam, reinterpret_cast<intptr_t>(text));
    }

    HWND Handle() const { return hwnd_; }
    void SetText(const std::string &bytes) const;
    std::string Text() const;
    // Styles every byte of the text with the current lexer.
    void Colourise() const;
    int StyleAt(int position) const;
    // One style number per byte.
    std::string Styles() const;

    static HMODULE Library();

private:
    HWND hwnd_ = nullptr;
    intptr_t (*function_)(intptr_t, unsigned int, uintptr_t, intptr_t) = nullptr;
    intptr_t pointer_ = 0;
};
