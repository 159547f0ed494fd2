#include "framework/Window.h"

#include "framework/Exception.h"

// The framework's procedures and the creation hook reach the object's private binding here.
struct WindowBinding {
    static LRESULT Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode);
    static LRESULT CALLBACK ProcedureA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        return Procedure(hwnd, message, wParam, lParam, false);
    }
    static LRESULT CALLBACK ProcedureW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        return Procedure(hwnd, message, wParam, lParam, true);
    }
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
};

namespace {

// The object whose CreateWindowExA call is running. The hook binds only the window whose
// creation parameter is this object, never a window created on the way.
Window *creating;

using Handler = LRESULT (Window::*)(WPARAM, LPARAM);
struct Route {
    UINT message;
    Handler handler;
};

const Route routes[] = {
    {WM_CLOSE, &Window::OnClose},
    {WM_COMMAND, &Window::OnCommand},
    {WM_CONTEXTMENU, &Window::OnContextMenu},
    {WM_CREATE, &Window::OnCreate},
    {WM_DESTROY, &Window::OnDestroy},
    {WM_DROPFILES, &Window::OnDropFiles},
    {WM_ENTERMENULOOP, &Window::OnEnterMenuLoop},
    {WM_EXITMENULOOP, &Window::OnExitMenuLoop},
    {WM_GETMINMAXINFO, &Window::OnGetMinMaxInfo},
    {WM_LBUTTONUP, &Window::OnLButtonUp},
    {WM_MBUTTONUP, &Window::OnMButtonUp},
    {WM_RBUTTONUP, &Window::OnRButtonUp},
    {WM_MENUSELECT, &Window::OnMenuSelect},
    {WM_MOUSEMOVE, &Window::OnMouseMove},
    {WM_NCCREATE, &Window::OnNcCreate},
    {WM_NCHITTEST, &Window::OnNcHitTest},
    {WM_NOTIFY, &Window::OnNotify},
    {WM_SETFOCUS, &Window::OnSetFocus},
    {WM_SIZE, &Window::OnSize},
    {WM_SYSCOMMAND, &Window::OnSysCommand},
    {WM_SETCURSOR, &Window::OnSetCursor},
    {WM_TIMER, &Window::OnTimer},
};

}

LRESULT WindowBinding::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
    auto *window = reinterpret_cast<Window *>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!window)
        return unicode ? DefWindowProcW(hwnd, message, wParam, lParam) : DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        if (message == WM_DESTROY) {
            // Give the window its own procedure back first, so that whatever arrives after
            // WM_DESTROY (WM_NCDESTROY) no longer reaches the object.
            window->SetWindowProc(window->previousProc_);
            const LRESULT result = window->OnDestroy(wParam, lParam);
            window->Unbind();
            return result;
        }
        return window->Dispatch(message, wParam, lParam);
    } catch (const std::exception &e) {
        ReportException(e.what());
    } catch (...) {
        ReportException("unknown exception in a window procedure");
    }
    return 0;
}

LRESULT CALLBACK WindowBinding::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HC_ACTION)
        return 0;
    const auto *returned = reinterpret_cast<const CWPRETSTRUCT *>(lParam);
    if (returned->message != WM_CREATE || returned->lResult == -1)
        return 0;
    const auto *create = reinterpret_cast<const CREATESTRUCTA *>(returned->lParam);
    Window *window = creating;
    if (!window || !create || create->lpCreateParams != window)
        return 0;
    if (window->creationHook_) {
        UnhookWindowsHookEx(window->creationHook_);
        window->creationHook_ = nullptr;
    }
    window->Bind(returned->hwnd);
    try {
        window->OnCreate(returned->wParam, returned->lParam);
    } catch (const std::exception &e) {
        ReportException(e.what());
    } catch (...) {
        ReportException("unknown exception in OnCreate");
    }
    return 0;
}

Window::~Window() { Window::Destroy(); }

void Window::Bind(HWND hwnd) {
    SetHandle(hwnd);
    unicode_ = IsWindowUnicode(hwnd) != FALSE;
    previousProc_ = GetWindowProc();
    SetUserData(reinterpret_cast<LONG_PTR>(this));
    SetWindowProc(unicode_ ? &WindowBinding::ProcedureW : &WindowBinding::ProcedureA);
}

void Window::Unbind() {
    SetUserData(0);
    previousProc_ = nullptr;
    SetHandle(nullptr);
    creationParameter_ = nullptr;
}

bool Window::Create(DWORD exStyle, const char *className, const char *title, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance, void *param) {
    creationParameter_ = param;
    Window *const outer = creating;
    creating = this;
    creationHook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, &WindowBinding::CreationHook, nullptr, GetCurrentThreadId());
    HWND created = nullptr;
    if (creationHook_) {
        created = CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menuOrId,
                                  instance, this);
        if (creationHook_) {
            UnhookWindowsHookEx(creationHook_);
            creationHook_ = nullptr;
        }
    }
    creating = outer;
    if (created && hwnd_ != created) {
        // Never bound (the hook did not see its WM_CREATE): a window without its object is useless.
        DestroyWindow(created);
        return false;
    }
    return created != nullptr;
}

bool Window::Attach(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd))
        return false;
    Bind(hwnd);
    return true;
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!previousProc_)
        return unicode_ ? DefWindowProcW(hwnd_, message, wParam, lParam) : DefWindowProcA(hwnd_, message, wParam, lParam);
    return unicode_ ? CallWindowProcW(previousProc_, hwnd_, message, wParam, lParam)
                    : CallWindowProcA(previousProc_, hwnd_, message, wParam, lParam);
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    for (const Route &route : routes) {
        if (route.message == message)
            return (this->*route.handler)(wParam, lParam);
    }
    if (message >= WM_USER && message < WM_APP)
        return OnUserMessage(message, wParam, lParam);
    if (message >= WM_APP && message < 0xC000)
        return OnAppMessage(message, wParam, lParam);
    return Default(message, wParam, lParam);
}

LRESULT Window::OnClose(WPARAM w, LPARAM l) { return Default(WM_CLOSE, w, l); }
LRESULT Window::OnCommand(WPARAM w, LPARAM l) { return Default(WM_COMMAND, w, l); }
LRESULT Window::OnContextMenu(WPARAM w, LPARAM l) { return Default(WM_CONTEXTMENU, w, l); }
LRESULT Window::OnCreate(WPARAM, LPARAM) { return 0; }
LRESULT Window::OnDestroy(WPARAM w, LPARAM l) { return Default(WM_DESTROY, w, l); }
LRESULT Window::OnDropFiles(WPARAM w, LPARAM l) { return Default(WM_DROPFILES, w, l); }
LRESULT Window::OnEnterMenuLoop(WPARAM w, LPARAM l) { return Default(WM_ENTERMENULOOP, w, l); }
LRESULT Window::OnExitMenuLoop(WPARAM w, LPARAM l) { return Default(WM_EXITMENULOOP, w, l); }
LRESULT Window::OnGetMinMaxInfo(WPARAM w, LPARAM l) { return Default(WM_GETMINMAXINFO, w, l); }
LRESULT Window::OnLButtonUp(WPARAM w, LPARAM l) { return Default(WM_LBUTTONUP, w, l); }
LRESULT Window::OnMButtonUp(WPARAM w, LPARAM l) { return Default(WM_MBUTTONUP, w, l); }
LRESULT Window::OnRButtonUp(WPARAM w, LPARAM l) { return Default(WM_RBUTTONUP, w, l); }
LRESULT Window::OnMenuSelect(WPARAM w, LPARAM l) { return Default(WM_MENUSELECT, w, l); }
LRESULT Window::OnMouseMove(WPARAM w, LPARAM l) { return Default(WM_MOUSEMOVE, w, l); }
LRESULT Window::OnNcCreate(WPARAM w, LPARAM l) { return Default(WM_NCCREATE, w, l); }
LRESULT Window::OnNcHitTest(WPARAM w, LPARAM l) { return Default(WM_NCHITTEST, w, l); }
LRESULT Window::OnNotify(WPARAM w, LPARAM l) { return Default(WM_NOTIFY, w, l); }
LRESULT Window::OnSetFocus(WPARAM w, LPARAM l) { return Default(WM_SETFOCUS, w, l); }
LRESULT Window::OnSize(WPARAM w, LPARAM l) { return Default(WM_SIZE, w, l); }
LRESULT Window::OnSysCommand(WPARAM w, LPARAM l) { return Default(WM_SYSCOMMAND, w, l); }
LRESULT Window::OnSetCursor(WPARAM w, LPARAM l) { return Default(WM_SETCURSOR, w, l); }
LRESULT Window::OnTimer(WPARAM w, LPARAM l) { return Default(WM_TIMER, w, l); }
LRESULT Window::OnUserMessage(UINT m, WPARAM w, LPARAM l) { return Default(m, w, l); }
LRESULT Window::OnAppMessage(UINT m, WPARAM w, LPARAM l) { return Default(m, w, l); }

void Window::Destroy() {
    if (hwnd_ && IsWindow(hwnd_))
        DestroyWindow(hwnd_);
    SetHandle(nullptr);
    creationParameter_ = nullptr;
}

HFONT Window::GetFont() const { return reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)); }
DWORD Window::GetExStyle() const { return static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE)); }
int Window::GetId() const { return GetDlgCtrlID(hwnd_); }
HINSTANCE Window::GetInstance() const { return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd_, GWLP_HINSTANCE)); }
HWND Window::GetParent() const { return ::GetParent(hwnd_); }
WNDPROC Window::GetWindowProc() const {
    return reinterpret_cast<WNDPROC>(unicode_ ? GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) : GetWindowLongPtrA(hwnd_, GWLP_WNDPROC));
}
DWORD Window::GetStyle() const { return static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE)); }

std::string Window::GetText() const {
    const int length = GetWindowTextLengthA(hwnd_);
    if (length <= 0)
        return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(hwnd_, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

LONG_PTR Window::GetUserData() const { return GetWindowLongPtrA(hwnd_, GWLP_USERDATA); }
void Window::SetFocus() const { ::SetFocus(hwnd_); }
void Window::SetFont(HFONT font, bool redraw) const { SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw); }
void Window::SetForeground() const { SetForegroundWindow(hwnd_); }
void Window::SetMenu(HMENU menu) const { ::SetMenu(hwnd_, menu); }
void Window::SetExStyle(DWORD style) const { SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, static_cast<LONG_PTR>(style)); }
void Window::SetInstance(HINSTANCE instance) const { SetWindowLongPtrA(hwnd_, GWLP_HINSTANCE, reinterpret_cast<LONG_PTR>(instance)); }
void Window::SetPosition(HWND insertAfter, int x, int y) const { SetWindowPos(hwnd_, insertAfter, x, y, 0, 0, SWP_NOSIZE); }
void Window::SetZOrder(HWND insertAfter) const { SetWindowPos(hwnd_, insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }
void Window::Move(int x, int y) const { SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }
void Window::SetWindowProc(WNDPROC procedure) const {
    if (unicode_)
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    else
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}
void Window::SetStyle(DWORD style) const { SetWindowLongPtrA(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(style)); }
void Window::SetUserData(LONG_PTR data) const { SetWindowLongPtrA(hwnd_, GWLP_USERDATA, data); }
