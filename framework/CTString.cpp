#include "framework/CTString.h"

#include <windows.h>

namespace {

std::wstring Widen(unsigned codePage, const std::string &text) {
    if (text.empty())
        return std::wstring();
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

std::string Narrow(unsigned codePage, const std::wstring &text) {
    if (text.empty())
        return std::string();
    const int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &narrow[0], length, nullptr, nullptr);
    return narrow;
}

}

CTString CTString::FromAnsi(const std::string &text) {
    CTString s;
    s.ansi_ = text;
    s.present_ = AnsiForm;
    return s;
}

CTString CTString::FromUtf8(const std::string &text) {
    CTString s;
    s.utf8_ = text;
    s.present_ = Utf8Form;
    return s;
}

CTString CTString::FromUtf16(const std::wstring &text) {
    CTString s;
    s.utf16_ = text;
    s.present_ = Utf16Form;
    return s;
}

const std::wstring &CTString::Utf16() {
    if (!(present_ & Utf16Form)) {
        if (present_ & AnsiForm)
            utf16_ = Widen(CP_ACP, ansi_);
        else if (present_ & Utf8Form)
            utf16_ = Widen(CP_UTF8, utf8_);
        present_ |= Utf16Form;
    }
    return utf16_;
}

const std::string &CTString::Ansi() {
    if (!(present_ & AnsiForm)) {
        ansi_ = Narrow(CP_ACP, Utf16());
        present_ |= AnsiForm;
    }
    return ansi_;
}

const std::string &CTString::Utf8() {
    if (!(present_ & Utf8Form)) {
        utf8_ = Narrow(CP_UTF8, Utf16());
        present_ |= Utf8Form;
    }
    return utf8_;
}

void CTString::Release() {
    ansi_.clear();
    utf8_.clear();
    utf16_.clear();
    present_ = 0;
}
