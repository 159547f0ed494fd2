// A pane at the left of the documents, offered by a part of the program (the project pane).
// The frame's layout gives it its band while it is shown.
#pragma once

class SidePane {
public:
    virtual bool PaneShown() const = 0;
    // The width the user gave it; the layout keeps it at least MinimumWidth.
    virtual int PaneWidth() const = 0;
    // Places the pane; toolBarShown says whether its own tool bar follows the main one.
    virtual void PlacePane(int x, int y, int width, int height, bool toolBarShown) = 0;
    virtual void HidePane() = 0;

    static constexpr int MinimumWidth = 160;

protected:
    ~SidePane() = default;
};
