#include "settingsui/SettingGuideDialog.h"

#include <cstdio>

#include "settings/LexerCommon.h"
#include "settings/Setting.h"
#include "settingsui/PageControls.h"
#include "settingsui/SettingContext.h"

using namespace PageControls;

namespace {
const int sideCaretSpeedLength = 4;
const int fullOpacity = 100;
}

SettingGuideDialog::SettingGuideDialog(const SettingContext &context)
    : SettingPage(TemplateId), context_(context), tooltipFont_(context.colors), tooltipBack_(context.colors),
      subviewFont_(context.colors), subviewBack_(context.colors), overCaret_(context.colors), sideCaret_(context.colors),
      rulerFont_(context.colors), rulerBorder_(context.colors), tabFont_(context.fonts) {}

INT_PTR SettingGuideDialog::OnInitDialog(HWND, LPARAM) {
    const LexerCommon &common = context_.settings.Common();
    const HIMAGELIST swatches = context_.swatches;
    tooltipFont_.Fill(Item(IDC_GUIDE_TOOLTIP_FONT), swatches, common.tooltipFontColor);
    tooltipBack_.Fill(Item(IDC_GUIDE_TOOLTIP_BACK), swatches, common.tooltipBackColor);
    subviewFont_.Fill(Item(IDC_GUIDE_SUBVIEW_FONT), swatches, common.subviewFontColor);
    subviewBack_.Fill(Item(IDC_GUIDE_SUBVIEW_BACK), swatches, common.subviewBackColor);
    overCaret_.Fill(Item(IDC_GUIDE_OVER_CARET_COLOR), swatches, common.overCarretColor);
    FillTransparency(common.overCarretOpacity);
    sideCaret_.Fill(Item(IDC_GUIDE_SIDE_CARET_COLOR), swatches, common.sideCarretColor);
    SendMessageA(Item(IDC_GUIDE_SIDE_CARET_SPEED), EM_LIMITTEXT, sideCaretSpeedLength, 0);
    ShowNumber(Item(IDC_GUIDE_SIDE_CARET_SPEED), common.sideCarretSpeed);
    ShowChoice(Item(IDC_GUIDE_SIDE_CARET_WIDTH), {"0", "1", "2", "3"}, common.sideCarretWidth);
    ShowCheck(Item(IDC_GUIDE_CODETIP_KEYBOARD), common.allowCodetipByKeyboard);
    ShowCheck(Item(IDC_GUIDE_CODETIP_MOUSE), common.allowCodetipByMouse);
    ShowNumber(Item(IDC_GUIDE_RULER_WIDTH), common.sideRulerWidth);
    rulerFont_.Fill(Item(IDC_GUIDE_RULER_FONT), swatches, common.sideRulerFontColor);
    rulerBorder_.Fill(Item(IDC_GUIDE_RULER_BORDER), swatches, common.sideRulerBorderColor);
    tabFont_.Fill(Item(IDC_GUIDE_TAB_FONT_FACE), Item(IDC_GUIDE_TAB_FONT_SIZE), common.documentviewFontFace,
                  common.documentviewFontSize);
    return FALSE;
}

INT_PTR SettingGuideDialog::OnCommand(WORD code, WORD id, HWND) {
    if (id != IDC_GUIDE_TAB_FONT_FACE || code != CBN_SELCHANGE)
        return FALSE;
    tabFont_.FaceChanged();
    return TRUE;
}

// Shown as transparency: the item index is 100 - opacity.
void SettingGuideDialog::FillTransparency(int opacity) const {
    HWND combo = Item(IDC_GUIDE_OVER_CARET_TRANSPARENCY);
    for (int transparency = 0; transparency <= fullOpacity; ++transparency) {
        char text[16];
        std::snprintf(text, sizeof text, "%4d", transparency);
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(fullOpacity - opacity), 0);
}

bool SettingGuideDialog::StoreTransparency(int &opacity) const {
    const int selected = static_cast<int>(SendMessageA(Item(IDC_GUIDE_OVER_CARET_TRANSPARENCY), CB_GETCURSEL, 0, 0));
    if (selected < 0 || fullOpacity - selected == opacity)
        return false;
    opacity = fullOpacity - selected;
    return true;
}

void SettingGuideDialog::Apply() {
    LexerCommon &common = context_.settings.Common();
    bool changed = tooltipFont_.StoreInto(common.tooltipFontColor);
    changed |= tooltipBack_.StoreInto(common.tooltipBackColor);
    changed |= subviewFont_.StoreInto(common.subviewFontColor);
    changed |= subviewBack_.StoreInto(common.subviewBackColor);
    changed |= overCaret_.StoreInto(common.overCarretColor);
    changed |= StoreTransparency(common.overCarretOpacity);
    changed |= sideCaret_.StoreInto(common.sideCarretColor);
    changed |= StoreNumber(Item(IDC_GUIDE_SIDE_CARET_SPEED), common.sideCarretSpeed);
    changed |= StoreChoice(Item(IDC_GUIDE_SIDE_CARET_WIDTH), common.sideCarretWidth);
    changed |= StoreCheck(Item(IDC_GUIDE_CODETIP_KEYBOARD), common.allowCodetipByKeyboard);
    changed |= StoreCheck(Item(IDC_GUIDE_CODETIP_MOUSE), common.allowCodetipByMouse);
    changed |= StoreNumber(Item(IDC_GUIDE_RULER_WIDTH), common.sideRulerWidth);
    changed |= rulerFont_.StoreInto(common.sideRulerFontColor);
    changed |= rulerBorder_.StoreInto(common.sideRulerBorderColor);
    changed |= tabFont_.StoreInto(common.documentviewFontFace, sizeof common.documentviewFontFace,
                                  common.documentviewFontSize);
    if (changed)
        common.SetModified();
}
