#include "framework/OverlappedWindow.h"

bool OverlappedWindow::RegisterClass(HINSTANCE instance, const char *className, UINT style, HBRUSH background,
                                     HICON icon, HICON smallIcon, const char *menu) {
    WNDCLASSEXA wc{};
    if (GetClassInfoExA(instance, className, &wc))
        return true;
    wc = WNDCLASSEXA{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.lpszMenuName = menu;
    wc.lpszClassName = className;
    return RegisterClassExA(&wc) != 0;
}
