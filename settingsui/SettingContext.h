// What the pages of the settings dialog work with: the frame, the setting store, the colour and
// font tables, and the colour swatches every colour combo box shows.
#pragma once

#include <commctrl.h>

class Setting;
class SystemColor;
class SystemFont;
class Workbench;

struct SettingContext {
    Workbench &workbench;
    Setting &settings;
    const SystemColor &colors;
    const SystemFont &fonts;
    HIMAGELIST swatches;
};
