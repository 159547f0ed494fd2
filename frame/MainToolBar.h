// The main frame's tool bar: one button per command of the tool bar list, drawn from three
// image strips (normal, hot, disabled) in the order of the selectable command table, and a tool
// tip that shows each command's help text.
#pragma once

#include <vector>

#include "framework/ImageList.h"
#include "framework/ToolBar.h"
#include "framework/ToolTip.h"

class MainToolBar : public ToolBar {
public:
    // The images of each strip: one per row of the selectable command table, and a spare.
    static constexpr int ImageCount = 43;

    // Creates the bar (hidden), its image lists and its tool tip.
    bool Create(HWND frame, HINSTANCE instance);
    void Destroy() override;

    // One button per command id (0: separator); an empty list gives the default buttons.
    void Rebuild(const std::vector<int> &items);
    static const std::vector<int> &DefaultItems();
    // Moves each tip to its button, which wrapping may have moved.
    void UpdateToolRects() const;
    void ApplyToolTipSettings(bool visible, COLORREF text, COLORREF back) const;

    const ToolTip &Tips() const { return tips_; }
    const ImageList &Images() const { return normal_; }
    const ImageList &HotImages() const { return hot_; }
    const ImageList &DisabledImages() const { return disabled_; }

protected:
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam) override;

private:

    ImageList normal_;
    ImageList hot_;
    ImageList disabled_;
    ToolTip tips_;
};
