#include "frame/DialogTable.h"

#include "frame/VersionDialog.h"
#include "framework/DialogManager.h"
#include "resources/resource.h"

namespace {
template <class D>
Dialog *Make(bool modal) {
    return new D(modal);
}
}

// Templates whose dialogs are not written yet create nothing.
const DialogTemplate dialogTable[] = {
    {IDD_VERSION, Make<VersionDialog>},
    {IDD_SEARCH, nullptr},
    {IDD_PROJECT, nullptr},
    {IDD_HSP_HOME, nullptr},
    {IDD_HSP_RESERVED_KW, nullptr},
    {IDD_JUMP, nullptr},
    {IDD_SETTING, nullptr},
    {IDD_HSP_BUILD, nullptr},
    {IDD_HSP_REPORT, nullptr},
    {IDD_HSP_SAMPLE_VIEWER, nullptr},
    {IDD_HSP_PACKFILE, nullptr},
    {IDD_CLIENT, nullptr},
};
const size_t dialogTableSize = sizeof dialogTable / sizeof dialogTable[0];
