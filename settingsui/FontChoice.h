// A face combo box and a size combo box over the font table. The faces are the table's; the
// sizes are those the chosen face offers, and a size typed in is snapped to them on storing,
// with the same fallback and snapping as when the settings are read.
#pragma once

#include <cstddef>

#include "framework/ComboBox.h"

class SystemFont;
struct SystemFontData;

class FontChoice : public Object {
public:
    explicit FontChoice(const SystemFont &fonts) : fonts_(fonts) {}

    // Takes the dialog's two controls over and shows face and size.
    void Fill(HWND faceCombo, HWND sizeCombo, const char *face, int size);
    // After the face combo's selection changed: the new face's sizes, the size snapped to them.
    void FaceChanged();
    // Stores face and size when they differ; whether either changed.
    bool StoreInto(char *face, size_t capacity, int &size) const;

    HWND FaceHandle() const { return face_.GetHandle(); }

private:
    const SystemFontData *Chosen() const;
    int TypedSize() const;
    void ShowSizes(const SystemFontData &font, int size);

    const SystemFont &fonts_;
    ComboBox face_;
    ComboBox size_;
};
