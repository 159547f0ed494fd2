#include "frame/MainToolBar.h"

#include "editor/EditControlId.h"
#include "resources/resource.h"
#include "settings/SelectableMenuItem.h"

namespace {

const int imageSize = 16;
const int helpTextSize = 256;

}

bool MainToolBar::Create(HWND frame, HINSTANCE instance) {
    if (!ToolBar::Create(0, TOOLBARCLASSNAMEA, "", WS_CHILD | TBSTYLE_FLAT | TBSTYLE_WRAPABLE, 0, 0, 0, 0, frame,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(ToolBarId)), instance, nullptr))
        return false;
    ButtonStructSize();
    if (normal_.LoadStrip(instance, IDB_TOOLBAR, imageSize, ImageCount))
        SetImageList(normal_.Handle());
    if (hot_.LoadStrip(instance, IDB_TOOLBAR_HOT, imageSize, ImageCount))
        SetHotImageList(hot_.Handle());
    if (disabled_.LoadStrip(instance, IDB_TOOLBAR_DISABLED, imageSize, ImageCount))
        SetDisabledImageList(disabled_.Handle());
    tips_.Create(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                 CW_USEDEFAULT, CW_USEDEFAULT, frame, nullptr, instance, nullptr);
    return true;
}

void MainToolBar::Destroy() {
    tips_.Destroy();
    ToolBar::Destroy();
}

const std::vector<int> &MainToolBar::DefaultItems() {
    static const std::vector<int> items{
        0, IDM_NEW, IDM_OPEN, IDM_SAVE, 0, IDM_UNDO, IDM_REDO, 0, IDM_CUT, IDM_COPY, IDM_PASTE, 0,
        IDM_INSERT_SEMICOLON_COMMENT, IDM_REMOVE_SEMICOLON_COMMENT, IDM_INSERT_SLASH_COMMENT, IDM_INSERT_BLOCK_COMMENT, 0,
        IDM_FIND_PREVIOUS, IDM_FIND, IDM_FIND_NEXT, 0, IDM_JUMP_POSITION, IDM_JUMP_KEYWORD, IDM_JUMP_LABEL,
        IDM_JUMP_DEFINITION, 0, IDM_SPLIT_HORIZONTAL, IDM_SPLIT_VERTICAL, 0, IDM_CLIENT_F5, IDM_CLIENT_F6, IDM_CLIENT_F7,
        IDM_CLIENT_F8, 0, IDM_CLOSE_DOCUMENT, IDM_CLOSE_ALL, 0};
    return items;
}

void MainToolBar::Rebuild(const std::vector<int> &items) {
    const std::vector<int> &chosen = items.empty() ? DefaultItems() : items;
    // While attached, the bar would add a tool of its own for every button it gets.
    SetToolTips(nullptr);
    for (int i = tips_.GetToolCount() - 1; i >= 0; --i) {
        TTTOOLINFOA tool{};
        if (tips_.GetTool(i, tool))
            tips_.DelTool(tool);
    }
    for (int i = ButtonCount() - 1; i >= 0; --i)
        DeleteButton(i);

    const SelectableMenuItem table;
    std::vector<TBBUTTON> buttons;
    buttons.reserve(chosen.size());
    for (int id : chosen) {
        const int image = table.PositionOf(id);
        TBBUTTON button{};
        const bool separator = id == 0 || image < 0;
        button.iBitmap = separator ? 0 : image;
        button.idCommand = separator ? 0 : id;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = separator ? BTNS_SEP : BTNS_BUTTON;
        buttons.push_back(button);
    }
    if (!buttons.empty())
        AddButtons(buttons.data(), static_cast<int>(buttons.size()));

    for (size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i].fsStyle & BTNS_SEP)
            continue;
        char text[helpTextSize] = "";
        LoadStringA(GetInstance(), static_cast<UINT>(buttons[i].idCommand), text, sizeof text);
        TTTOOLINFOA tool{};
        tool.uFlags = 0;
        tool.hwnd = GetHandle();
        tool.uId = i;
        tool.rect = GetItemRect(static_cast<int>(i));
        tool.lpszText = text;
        tips_.AddTool(tool);
    }
    SetToolTips(tips_.GetHandle());
}

void MainToolBar::UpdateToolRects() const {
    for (int i = tips_.GetToolCount() - 1; i >= 0; --i) {
        TTTOOLINFOA tool{};
        if (!tips_.GetTool(i, tool))
            continue;
        tool.rect = GetItemRect(static_cast<int>(tool.uId));
        tips_.SetToolRect(tool);
    }
}

void MainToolBar::ApplyToolTipSettings(bool visible, COLORREF text, COLORREF back) const {
    tips_.SetTipTextColor(text);
    tips_.SetTipBkColor(back);
    tips_.Activate(visible);
}

LRESULT MainToolBar::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    // The bar's mouse messages reach its tip from here rather than through a subclass that
    // comctl32 would put on the bar: under Wine that subclass looks a window property up, a
    // request to the server, for every message the bar gets (hundreds at start-up alone).
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && tips_.GetHandle()) {
        MSG relayed{GetHandle(), message, wParam, lParam, 0, {}};
        SendMessageA(tips_.GetHandle(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
    return ToolBar::Dispatch(message, wParam, lParam);
}
