#include "settingsui/PageControls.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "framework/ShiftJis.h"

namespace {

// Enough for any number atoi reads; the rest of a longer text does not change its value.
const int numberCapacity = 33;

template <class T> bool Store(T &field, T value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

std::string TextOf(HWND control) {
    const int length = GetWindowTextLengthA(control);
    std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    return text.data();
}

}

namespace PageControls {

void ShowChoice(HWND combo, std::initializer_list<const char *> items, int value) {
    for (const char *item : items)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

bool StoreChoice(HWND combo, int &field) {
    const int selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    return selected >= 0 && Store(field, selected);
}

bool StoreChoice(HWND combo, bool &field) {
    const int selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    return selected >= 0 && Store(field, selected != 0);
}

void ShowNumber(HWND edit, int value) { SetWindowTextA(edit, std::to_string(value).c_str()); }

bool StoreNumber(HWND edit, int &field) {
    char text[numberCapacity] = "";
    GetWindowTextA(edit, text, sizeof text);
    return Store(field, std::atoi(text));
}

void ShowCheck(HWND button, bool value) { SendMessageA(button, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0); }

bool StoreCheck(HWND button, bool &field) {
    return Store(field, SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED);
}

bool StoreText(HWND edit, char *field, size_t capacity) {
    if (capacity == 0)
        return false;
    std::string text = TextOf(edit);
    text.resize(ShiftJis::WholeLength(text.data(), std::min(text.size(), capacity - 1)));
    if (text == field)
        return false;
    std::memcpy(field, text.c_str(), text.size() + 1);
    return true;
}

}
