#include "settingsui/SettingColorsPage.h"

#include <cstring>

#include "settings/LexerLanguage.h"
#include "settingsui/SettingContext.h"

SettingColorsPage::SettingColorsPage(int templateId, const SettingContext &context, LexerLanguage &section,
                                     const ColorControl *controls, size_t count)
    : SettingPage(templateId), context_(context), section_(section), controls_(controls), count_(count) {}

int SettingColorsPage::KeyIndex(const ColorControl &control) const {
    for (int i = 0; i < section_.KeyCount(); ++i)
        if (std::strcmp(section_.Keys()[i].element, control.element) == 0)
            return i < static_cast<int>(section_.colors.size()) ? i : -1;
    return -1;
}

INT_PTR SettingColorsPage::OnInitDialog(HWND, LPARAM) {
    for (size_t i = 0; i < count_; ++i) {
        combos_.push_back(std::make_unique<ColorComboBox>(context_.colors));
        const int key = KeyIndex(controls_[i]);
        if (key >= 0)
            combos_.back()->Fill(Item(controls_[i].id), context_.swatches, section_.colors[static_cast<size_t>(key)]);
    }
    return FALSE;
}

bool SettingColorsPage::StoreColors() {
    bool changed = false;
    for (size_t i = 0; i < count_ && i < combos_.size(); ++i) {
        const int key = KeyIndex(controls_[i]);
        if (key >= 0)
            changed |= combos_[i]->StoreInto(section_.colors[static_cast<size_t>(key)]);
    }
    return changed;
}

void SettingColorsPage::Apply() {
    if (StoreColors())
        section_.SetModified();
}
