// The commands that may be placed in the edit context menu and on the tool bar. A row's position
// in the table is also the index of its tool bar image.
#pragma once

#include "framework/Object.h"

struct SelectableMenuItemData {
    int category; // 1 ... 10: the main menu popup at category - 1; 0 for the separator
    int order;    // within the category
    int id;       // command id; 0 is the separator
};

class SelectableMenuItem : public Object {
public:
    static constexpr int Count = 42;

    const SelectableMenuItemData &operator[](int position) const;
    // The row of a command id, or null.
    const SelectableMenuItemData *Find(int id) const;
    // The row's position (its tool bar image), or -1.
    int PositionOf(int id) const;
    // id when the table holds it, else the first row's id (the separator).
    int Validate(int id) const;
};
