// Owns one menu handle, unless the menu belongs to a window (a window destroys its own bar).
#pragma once

#include <windows.h>

#include "framework/LiveHandles.h"
#include "framework/Object.h"

class Menu : public Object {
public:
    Menu() = default;
    ~Menu() override { Destroy(); }
    Menu(const Menu &) = delete;
    Menu &operator=(const Menu &) = delete;

    // Removes every item.
    void Clear();
    // Destroys the menu unless a window holds it as its bar.
    void Destroy();
    void Enable(UINT id, bool enabled) const;
    void Check(UINT id, bool checked) const;
    bool Load(HINSTANCE instance, int resourceId);
    // Shows a popup of this menu (the first submenu of a loaded resource, or the menu itself
    // when it was created as a popup) at a screen point; the command goes to owner.
    void Track(HWND owner, int x, int y, UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON) const;

    HMENU Handle() const { return menu_; }
    // Takes a menu over; owned says whether this object destroys it.
    void Reset(HMENU menu, bool owned);

private:
    HMENU menu_ = nullptr;
    bool owned_ = false;
    bool loaded_ = false;
    LiveHandle<HandleKind::Menu> live_;
};
