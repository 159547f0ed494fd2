// A colour setting's control: an extended combo box listing the colour table's entries by name,
// each with its swatch. A colour outside the table shows as the first entry (AliceBlue).
#pragma once

#include <windows.h>

#include "framework/ComboBox.h"

class SystemColor;

class ColorComboBox : public ComboBox {
public:
    explicit ColorComboBox(const SystemColor &colors) : colors_(colors) {}

    // Takes the dialog's control over, fills it and selects the entry of color.
    void Fill(HWND control, HIMAGELIST swatches, COLORREF color);
    // Stores the chosen colour in field when it differs; whether the field changed. An entry
    // left as it was shown changes nothing, so a colour outside the table that the user did
    // not touch stays in the file rather than turning into AliceBlue.
    bool StoreInto(COLORREF &field) const;

private:
    const SystemColor &colors_;
    int shown_ = 0;
};
