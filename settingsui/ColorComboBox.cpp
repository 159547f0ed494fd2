#include "settingsui/ColorComboBox.h"

#include <commctrl.h>

#include "settings/SystemColor.h"

void ColorComboBox::Fill(HWND control, HIMAGELIST swatches, COLORREF color) {
    Attach(control);
    SendMessageA(control, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(swatches));
    for (int i = 0; i < SystemColor::Count; ++i) {
        COMBOBOXEXITEMA item{};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
        item.iItem = i;
        item.pszText = const_cast<char *>(colors_[i].name);
        item.iImage = item.iSelectedImage = i;
        SendMessageA(control, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    const int index = colors_.IndexOf(color);
    shown_ = index < 0 ? 0 : index;
    SetCurSel(shown_);
}

bool ColorComboBox::StoreInto(COLORREF &field) const {
    const int selected = GetCurSel();
    if (selected < 0 || selected >= SystemColor::Count || selected == shown_)
        return false;
    const COLORREF chosen = colors_[selected].color;
    if (chosen == field)
        return false;
    field = chosen;
    return true;
}
