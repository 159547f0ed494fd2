// The 71 named colours every colour setting is checked against.
#pragma once

#include <windows.h>

#include "framework/Object.h"

struct SystemColorData {
    const char *name;
    COLORREF color;
};

class SystemColor : public Object {
public:
    static const int Count = 71;

    const SystemColorData &operator[](int index) const;
    // The colour itself when it is one of the table's, else the first entry's (AliceBlue).
    COLORREF Lookup(COLORREF color) const;
    // The entry's index, or -1.
    int IndexOf(COLORREF color) const;
    // The colour of a name, or the first entry's colour when no entry has that name.
    COLORREF ByName(const char *name) const;
};
