#include "frame/Menu.h"

namespace {

struct MenuSearch {
    HMENU menu;
    bool held;
};

BOOL CALLBACK HoldsMenu(HWND hwnd, LPARAM data) {
    auto *search = reinterpret_cast<MenuSearch *>(data);
    if (GetMenu(hwnd) != search->menu)
        return TRUE;
    search->held = true;
    return FALSE;
}

// A bar attached with SetMenu is destroyed with its window.
bool HeldByAWindow(HMENU menu) {
    MenuSearch search{menu, false};
    EnumThreadWindows(GetCurrentThreadId(), HoldsMenu, reinterpret_cast<LPARAM>(&search));
    return search.held;
}

}

void Menu::Clear() {
    if (!menu_)
        return;
    for (int i = GetMenuItemCount(menu_) - 1; i >= 0; --i)
        DeleteMenu(menu_, static_cast<UINT>(i), MF_BYPOSITION);
}

void Menu::Destroy() {
    if (menu_ && owned_ && IsMenu(menu_) && !HeldByAWindow(menu_))
        DestroyMenu(menu_);
    menu_ = nullptr;
    owned_ = false;
    loaded_ = false;
    live_.Set(false);
}

void Menu::Enable(UINT id, bool enabled) const {
    if (menu_)
        EnableMenuItem(menu_, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void Menu::Check(UINT id, bool checked) const {
    if (menu_)
        CheckMenuItem(menu_, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool Menu::Load(HINSTANCE instance, int resourceId) {
    Reset(LoadMenuA(instance, MAKEINTRESOURCEA(resourceId)), true);
    loaded_ = menu_ != nullptr;
    return loaded_;
}

void Menu::Track(HWND owner, int x, int y, UINT flags) const {
    HMENU popup = loaded_ ? GetSubMenu(menu_, 0) : menu_;
    if (popup)
        TrackPopupMenu(popup, flags, x, y, 0, owner, nullptr);
}

void Menu::Reset(HMENU menu, bool owned) {
    Destroy();
    menu_ = menu;
    owned_ = owned;
    live_.Set(menu_ && owned_);
}
