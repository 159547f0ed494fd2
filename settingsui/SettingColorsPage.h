// A language's colour page: one colour combo box per colour key of the language's section,
// each naming the key's element ("comment_line").
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "settingsui/ColorComboBox.h"
#include "settingsui/SettingPage.h"

class LexerLanguage;
struct SettingContext;

struct ColorControl {
    int id;
    const char *element;
};

class SettingColorsPage : public SettingPage {
public:
    template <size_t N>
    SettingColorsPage(int templateId, const SettingContext &context, LexerLanguage &section, const ColorControl (&controls)[N])
        : SettingColorsPage(templateId, context, section, controls, N) {}

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;

protected:
    void Apply() override;
    // Stores the colours into the section; whether any changed (the section is not marked).
    bool StoreColors();

private:
    SettingColorsPage(int templateId, const SettingContext &context, LexerLanguage &section, const ColorControl *controls,
                      size_t count);
    // The position of the control's key in the section's colours, or -1.
    int KeyIndex(const ColorControl &control) const;

    const SettingContext &context_;
    LexerLanguage &section_;
    const ColorControl *controls_;
    size_t count_;
    std::vector<std::unique_ptr<ColorComboBox>> combos_;
};
