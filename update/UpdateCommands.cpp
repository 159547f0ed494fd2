#include "update/UpdateCommands.h"

#include "app/System.h"
#include "frame/Workbench.h"
#include "resources/resource.h"
#include "update/UpdateCheck.h"
#include "update/UpdateServer.h"

const CommandRoute<UpdateCommands> UpdateCommands::routes[] = {
    {IDM_UPDATE_CHECK, IDM_UPDATE_CHECK, &UpdateCommands::OnUpdateCheck},
};

bool UpdateCommands::OnCommand(UINT id) { return DispatchCommand(routes, *this, id); }

void UpdateCommands::OnUpdateCheck(UINT) {
    UpdateCheck::Run(workbench_.Handle(), System::Get().FileVersion(), UpdateServer::Get());
}
