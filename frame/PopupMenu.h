// A menu created empty as a popup.
#pragma once

#include "frame/Menu.h"

class PopupMenu : public Menu {
public:
    bool Create() {
        Reset(CreatePopupMenu(), true);
        return Handle() != nullptr;
    }
};
