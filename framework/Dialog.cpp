#include "framework/Dialog.h"

#include "framework/Exception.h"

namespace {
HINSTANCE resourceModule;
HINSTANCE Resources() { return resourceModule ? resourceModule : GetModuleHandleA(nullptr); }
}

void Dialog::SetResourceModule(HINSTANCE module) { resourceModule = module; }

namespace {

bool IsClass(HWND control, const char *name) {
    char found[32] = "";
    GetClassNameA(control, found, sizeof found);
    return lstrcmpiA(found, name) == 0;
}

// The width the control's text needs on one line, in client pixels.
int TextWidth(HWND control, HFONT font) {
    char text[512] = "";
    GetWindowTextA(control, text, sizeof text);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, font);
    RECT rect{0, 0, 0, 0};
    DrawTextA(dc, text, -1, &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return rect.right;
}

RECT ClientRectOf(HWND control, HWND dialog) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

}

void Dialog::GrowToFitTexts() {
    HWND dialog = GetHandle();
    const auto font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    int grow = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsClass(child, "Static") || (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) > SS_RIGHT)
            continue;
        const RECT rect = ClientRectOf(child, dialog);
        const int excess = TextWidth(child, font) - (rect.right - rect.left);
        if (excess > 0) {
            SetWindowPos(child, nullptr, 0, 0, rect.right - rect.left + excess, rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER);
            grow = excess > grow ? excess : grow;
        }
    }
    if (grow == 0)
        return;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG kind = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
        if (IsClass(child, "Button") && (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON)) {
            const RECT rect = ClientRectOf(child, dialog);
            SetWindowPos(child, nullptr, rect.left + grow, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
    }
    RECT outer;
    GetWindowRect(dialog, &outer);
    SetWindowPos(dialog, nullptr, outer.left - grow / 2, outer.top, outer.right - outer.left + grow, outer.bottom - outer.top,
                 SWP_NOZORDER);
}

INT_PTR Dialog::OnInitDialog(HWND, LPARAM) { return 0; }
INT_PTR Dialog::OnActivate(WORD, WORD, HWND) { return 0; }
INT_PTR Dialog::OnCtlColorStatic(HDC, HWND) { return 0; }
INT_PTR Dialog::OnCommand(WORD, WORD, HWND) { return 0; }
INT_PTR Dialog::OnNotify(int, NMHDR *) { return 0; }
INT_PTR Dialog::OnShowWindow(BOOL, int) { return 0; }
INT_PTR Dialog::OnSize(WPARAM, WORD, WORD) { return 0; }
INT_PTR Dialog::OnSizing(WPARAM, RECT *) { return 0; }
LRESULT Dialog::OnUserMessage(UINT, WPARAM, LPARAM) { return 0; }

INT_PTR Dialog::Run(HWND owner) {
    owner_ = owner;
    if (!modal_) {
        HWND hwnd = CreateDialogParamA(Resources(), MAKEINTRESOURCEA(templateId_), owner, &Dialog::Procedure,
                                       reinterpret_cast<LPARAM>(this));
        return hwnd != nullptr;
    }
    const INT_PTR result = DialogBoxParamA(Resources(), MAKEINTRESOURCEA(templateId_), owner, &Dialog::Procedure,
                                           reinterpret_cast<LPARAM>(this));
    owner_ = nullptr;
    SetHandle(nullptr);
    return result;
}

void Dialog::Close(INT_PTR result) {
    HWND hwnd = GetHandle();
    if (!hwnd)
        return;
    if (modal_) {
        EndDialog(hwnd, result);
        return;
    }
    SetHandle(nullptr);
    owner_ = nullptr;
    DestroyWindow(hwnd);
}

void Dialog::Destroy() { Close(1); }

INT_PTR CALLBACK Dialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *dialog = reinterpret_cast<Dialog *>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    try {
        if (!dialog) {
            if (message != WM_INITDIALOG)
                return FALSE;
            dialog = reinterpret_cast<Dialog *>(lParam);
            dialog->SetHandle(hwnd);
            dialog->SetUserData(reinterpret_cast<LONG_PTR>(dialog));
            return dialog->OnInitDialog(reinterpret_cast<HWND>(wParam), lParam);
        }
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            if (dialog->GetHandle() == hwnd)
                dialog->SetHandle(nullptr);
            return FALSE;
        }
        return dialog->Handle(message, wParam, lParam);
    } catch (const std::exception &e) {
        ReportException(e.what());
    } catch (...) {
        ReportException("unknown exception in a dialog procedure");
    }
    return FALSE;
}

INT_PTR Dialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        return OnSize(wParam, LOWORD(lParam), HIWORD(lParam));
    case WM_ACTIVATE:
        return OnActivate(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SHOWWINDOW:
        return OnShowWindow(static_cast<BOOL>(wParam), static_cast<int>(lParam));
    case WM_NOTIFY:
        return OnNotify(static_cast<int>(wParam), reinterpret_cast<NMHDR *>(lParam));
    case WM_COMMAND:
        return OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLORSTATIC:
        return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SIZING:
        return OnSizing(wParam, reinterpret_cast<RECT *>(lParam));
    default:
        return OnUserMessage(message, wParam, lParam) > 0 ? TRUE : FALSE;
    }
}
