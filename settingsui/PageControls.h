// Showing setting values in a page's plain controls and storing them back only when they
// changed. Each Store returns whether it changed the field.
#pragma once

#include <windows.h>

#include <cstddef>
#include <initializer_list>

namespace PageControls {

// A drop-down list whose item index is the value; a value without an item selects nothing.
void ShowChoice(HWND combo, std::initializer_list<const char *> items, int value);
// Nothing selected (a stored value no item stands for) leaves the field as it is.
bool StoreChoice(HWND combo, int &field);
bool StoreChoice(HWND combo, bool &field);

void ShowNumber(HWND edit, int value);
// The text as atoi reads it: a text that is no number stores 0.
bool StoreNumber(HWND edit, int &field);

void ShowCheck(HWND button, bool value);
bool StoreCheck(HWND button, bool &field);

// The edit's text, cut to the field's capacity.
bool StoreText(HWND edit, char *field, size_t capacity);

}
