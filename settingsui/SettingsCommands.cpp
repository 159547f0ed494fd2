#include "settingsui/SettingsCommands.h"

#include "app/System.h"
#include "frame/Workbench.h"
#include "framework/DialogManager.h"
#include "resources/resource.h"
#include "settingsui/SettingDialog.h"

const CommandRoute<SettingsCommands> SettingsCommands::routes[] = {
    {IDM_SETTINGS, IDM_SETTINGS, &SettingsCommands::OnSettings},
};

bool SettingsCommands::OnCommand(UINT id) { return DispatchCommand(routes, *this, id); }

void SettingsCommands::OnSettings(UINT) {
    workbench_.Dialogs().Open<SettingDialog>(workbench_.Handle(), workbench_, System::Get().Fonts());
}
