// A dialog from a template, run modally or modelessly, with its messages as operations.
#pragma once

#include "framework/Window.h"

class Dialog : public Window {
public:
    explicit Dialog(int templateId, bool modal) : templateId_(templateId), modal_(modal) {}

    using Window::OnCommand;
    using Window::OnNotify;
    using Window::OnSize;

    // Each returns non-zero when it handled the message (WM_INITDIALOG: whether to set the focus).
    virtual INT_PTR OnInitDialog(HWND focus, LPARAM param);
    virtual INT_PTR OnActivate(WORD state, WORD minimized, HWND other);
    virtual INT_PTR OnCtlColorStatic(HDC dc, HWND control);
    virtual INT_PTR OnCommand(WORD code, WORD id, HWND control);
    virtual INT_PTR OnNotify(int id, NMHDR *header);
    virtual INT_PTR OnShowWindow(BOOL shown, int status);
    virtual INT_PTR OnSize(WPARAM type, WORD width, WORD height);
    virtual INT_PTR OnSizing(WPARAM edge, RECT *rect);
    // Every other message after WM_INITDIALOG; a result above 0 means handled.
    LRESULT OnUserMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Modeless: whether a window came back. Modal: the dialog's result. What a dialog needs
    // comes with its construction, as a typed record of its own.
    virtual INT_PTR Run(HWND owner);
    // Ends a modal dialog with the result; destroys a modeless one.
    virtual void Close(INT_PTR result);
    int GetTemplateId() const { return templateId_; }
    bool IsModal() const { return modal_; }
    void Destroy() override;

    HWND Owner() const { return owner_; }
    HWND Item(int id) const { return GetDlgItem(GetHandle(), id); }

    // The module whose resources hold the templates (the program's own by default).
    static void SetResourceModule(HINSTANCE module);

protected:
    // Widens every static text that its text (in the dialog's font) does not fit, and the dialog
    // with it; push buttons keep their distance from the right edge. Fonts differ by system.
    void GrowToFitTexts();

private:
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND owner_ = nullptr;
    int templateId_;
    bool modal_;
};
