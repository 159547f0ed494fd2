#include "project/ProjectToolBar.h"

#include "editor/EditControlId.h"
#include "resources/resource.h"

namespace {

const int imageSize = 16;
const int imageCount = 4;
const int helpTextSize = 256;

// Command and image of each button; 0 is a separator.
struct Item {
    int command;
    int image;
};
const Item items[] = {{0, 0},
                      {IDM_PROJECT_SETTINGS, 0},
                      {0, 0},
                      {IDM_PROJECT_EXPAND, 1},
                      {IDM_PROJECT_COLLAPSE, 2},
                      {0, 0},
                      {IDM_PROJECT_CLOSE, 3},
                      {0, 0}};

}

bool ProjectToolBar::Create(HWND pane, HINSTANCE instance) {
    if (!ToolBar::Create(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT, 0, 0, 0, 0, pane,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(ProjectToolBarId)), instance, nullptr))
        return false;
    ButtonStructSize();
    if (normal_.LoadStrip(instance, IDB_PROJECT_TOOLBAR, imageSize, imageCount))
        SetImageList(normal_.Handle());
    if (hot_.LoadStrip(instance, IDB_PROJECT_TOOLBAR_HOT, imageSize, imageCount))
        SetHotImageList(hot_.Handle());
    tips_.Create(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                 CW_USEDEFAULT, CW_USEDEFAULT, pane, nullptr, instance, nullptr);
    AddButtons();
    return true;
}

void ProjectToolBar::Destroy() {
    tips_.Destroy();
    ToolBar::Destroy();
}

void ProjectToolBar::AddButtons() {
    TBBUTTON buttons[sizeof items / sizeof items[0]]{};
    for (size_t i = 0; i < sizeof items / sizeof items[0]; ++i) {
        buttons[i].iBitmap = items[i].image;
        buttons[i].idCommand = items[i].command;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = items[i].command ? BTNS_BUTTON : BTNS_SEP;
    }
    ToolBar::AddButtons(buttons, static_cast<int>(sizeof items / sizeof items[0]));
    AutoSize();
    for (size_t i = 0; i < sizeof items / sizeof items[0]; ++i) {
        if (!items[i].command)
            continue;
        char text[helpTextSize] = "";
        LoadStringA(GetInstance(), static_cast<UINT>(items[i].command), text, sizeof text);
        TTTOOLINFOA tool{};
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = GetHandle();
        tool.uId = i;
        tool.rect = GetItemRect(static_cast<int>(i));
        tool.lpszText = text;
        tips_.AddTool(tool);
    }
    SetToolTips(tips_.GetHandle());
}

int ProjectToolBar::Place() {
    AutoSize();
    RECT rect;
    GetWindowRect(GetHandle(), &rect);
    return rect.bottom - rect.top;
}

void ProjectToolBar::ApplyToolTipSettings(bool visible, COLORREF text, COLORREF back) {
    const TipSettings wanted{visible, text, back};
    if (tipsApplied_ && wanted == applied_)
        return;
    tips_.SetTipTextColor(text);
    tips_.SetTipBkColor(back);
    tips_.Activate(visible);
    applied_ = wanted;
    tipsApplied_ = true;
}
