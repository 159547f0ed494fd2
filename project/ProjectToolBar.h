// The project pane's tool bar: project settings, expand all, collapse all and close, each with a
// tool tip of its own that shows the command's help text in the settings' colours.
#pragma once

#include "framework/ImageList.h"
#include "framework/ToolBar.h"
#include "framework/ToolTip.h"

class ProjectToolBar : public ToolBar {
public:
    bool Create(HWND pane, HINSTANCE instance);
    void Destroy() override;

    // Sizes the bar across the top of the pane; its height.
    int Place();
    // Sends the settings to the tool tip only when they differ from what it has.
    void ApplyToolTipSettings(bool visible, COLORREF text, COLORREF back);

    const ToolTip &Tips() const { return tips_; }

private:
    void AddButtons();

    struct TipSettings {
        bool visible;
        COLORREF text;
        COLORREF back;
        bool operator==(const TipSettings &other) const {
            return visible == other.visible && text == other.text && back == other.back;
        }
    };

    ImageList normal_;
    ImageList hot_;
    ToolTip tips_;
    TipSettings applied_{};
    bool tipsApplied_ = false;
};
