// One object per native window: the object takes the window's procedure over and turns each
// message the program cares about into one virtual operation. An operation that is not
// overridden hands its message to the procedure the window had before, so an unhandled message
// behaves as if no object were attached.
#pragma once

#include <windows.h>

#include <string>

#include "framework/LiveHandles.h"
#include "framework/Object.h"

class Window : public Object {
public:
    Window() = default;
    ~Window() override;
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    // Message operations. Each returns the message result.
    virtual LRESULT OnClose(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
    // Called once the object is bound, after the native WM_CREATE handling returned.
    virtual LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnEnterMenuLoop(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnExitMenuLoop(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnMButtonUp(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnRButtonUp(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnNcCreate(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
    // WM_USER up to 0x7FFF.
    virtual LRESULT OnUserMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_APP (0x8000) up to 0xBFFF.
    virtual LRESULT OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Destroys the native window when it still exists and clears the handle.
    virtual void Destroy();
    HFONT GetFont() const;
    DWORD GetExStyle() const;
    int GetId() const;
    HINSTANCE GetInstance() const;
    HWND GetParent() const;
    WNDPROC GetWindowProc() const;
    DWORD GetStyle() const;
    std::string GetText() const;
    LONG_PTR GetUserData() const;
    void SetFocus() const;
    void SetFont(HFONT font, bool redraw) const;
    void SetForeground() const;
    void SetMenu(HMENU menu) const;
    void SetExStyle(DWORD style) const;
    void SetInstance(HINSTANCE instance) const;
    void SetPosition(HWND insertAfter, int x, int y) const;
    void SetZOrder(HWND insertAfter) const;
    void Move(int x, int y) const;
    void SetWindowProc(WNDPROC procedure) const;
    void SetStyle(DWORD style) const;
    void SetUserData(LONG_PTR data) const;

    // Creates the native window and binds it to this object before CreateWindowExA returns;
    // param is kept for the subclass (CreationParameter) since the native parameter is the object.
    bool Create(DWORD exStyle, const char *className, const char *title, DWORD style, int x, int y,
                int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance, void *param);
    // Takes over an existing native window (a dialog's control).
    bool Attach(HWND hwnd);

    HWND GetHandle() const { return hwnd_; }
    bool Exists() const { return hwnd_ && IsWindow(hwnd_); }
    void Show(int command) const { ShowWindow(hwnd_, command); }
    void *CreationParameter() const { return creationParameter_; }

protected:
    // Hands a message to the procedure the window had before this object took it over.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // The framework's dispatch of one message to the operations above.
    virtual LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void SetHandle(HWND hwnd) {
        hwnd_ = hwnd;
        live_.Set(hwnd_ != nullptr);
    }

private:
    friend struct WindowBinding;
    void Bind(HWND hwnd);
    void Unbind();

    HHOOK creationHook_ = nullptr;
    WNDPROC previousProc_ = nullptr;
    HWND hwnd_ = nullptr;
    void *creationParameter_ = nullptr;
    bool unicode_ = false;
    LiveHandle<HandleKind::Window> live_;
};
