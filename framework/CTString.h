// A text kept in up to three encodings (the system code page, UTF-8, UTF-16), each made on demand
// from the one it was built from, and released together.
#pragma once

#include <string>

#include "framework/Object.h"

class CTString : public Object {
public:
    CTString() = default;
    static CTString FromAnsi(const std::string &text);
    static CTString FromUtf8(const std::string &text);
    static CTString FromUtf16(const std::wstring &text);

    const std::string &Ansi();
    const std::string &Utf8();
    const std::wstring &Utf16();
    // Drops every form; the text is empty afterwards.
    void Release();

private:
    enum Form : unsigned { AnsiForm = 1, Utf8Form = 2, Utf16Form = 4 };
    std::string ansi_;
    std::string utf8_;
    std::wstring utf16_;
    unsigned present_ = 0;
};
