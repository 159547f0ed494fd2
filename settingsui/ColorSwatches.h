// One small image per entry of the colour table, in table order: the swatches beside the names
// in the colour combo boxes. Made once per settings dialog and shared by its pages.
#pragma once

#include "framework/ImageList.h"

class SystemColor;

class ColorSwatches : public Object {
public:
    static constexpr int Width = 20;
    static constexpr int Height = 12;

    explicit ColorSwatches(const SystemColor &colors);
    HIMAGELIST Handle() const { return images_.Handle(); }

private:
    ImageList images_;
};
