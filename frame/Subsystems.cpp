#include "frame/Subsystems.h"

#include "client/ClientCommands.h"
#include "editor/EditorCommands.h"
#include "hsp/HspCommands.h"
#include "html/HtmlCommands.h"
#include "navigation/NavigationCommands.h"
#include "project/ProjectCommands.h"
#include "search/SearchCommands.h"
#include "settingsui/SettingsCommands.h"
#include "update/UpdateCommands.h"

// One line per part; the order is the order in which they are offered commands and messages.
std::vector<std::unique_ptr<Subsystem>> MakeSubsystems(Workbench &workbench) {
    std::vector<std::unique_ptr<Subsystem>> parts;
    parts.push_back(std::make_unique<EditorCommands>(workbench));
    parts.push_back(std::make_unique<HspCommands>(workbench));
    parts.push_back(std::make_unique<ProjectCommands>(workbench));
    parts.push_back(std::make_unique<ClientCommands>(workbench));
    parts.push_back(std::make_unique<NavigationCommands>(workbench));
    parts.push_back(std::make_unique<SettingsCommands>(workbench));
    parts.push_back(std::make_unique<UpdateCommands>(workbench));
    parts.push_back(std::make_unique<SearchCommands>(workbench));
    parts.push_back(std::make_unique<HtmlCommands>(workbench));
    return parts;
}
