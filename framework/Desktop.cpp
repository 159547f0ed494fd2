#include "framework/Desktop.h"

#include <shlobj.h>
#include <shellapi.h>

const char *const programCaption = "Tamborel";

namespace {

Desktop realDesktop;
Desktop *installed;

int CALLBACK FolderChooserStart(HWND hwnd, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED && data)
        SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

}

Desktop &Desktop::Get() { return installed ? *installed : realDesktop; }
void Desktop::Install(Desktop *desktop) { installed = desktop; }

int Desktop::ShowMessage(HWND owner, const char *text, const char *caption, UINT type) {
    return MessageBoxA(owner, text, caption, type);
}

bool Desktop::OpenFileDialog(OPENFILENAMEA &request) { return GetOpenFileNameA(&request) != FALSE; }
bool Desktop::SaveFileDialog(OPENFILENAMEA &request) { return GetSaveFileNameA(&request) != FALSE; }

bool Desktop::ChooseFolder(HWND owner, const char *prompt, const char *initial, std::string &chosen) {
    char display[MAX_PATH] = "";
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = display;
    info.lpszTitle = prompt;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = FolderChooserStart;
    info.lParam = reinterpret_cast<LPARAM>(initial);
    LPITEMIDLIST list = SHBrowseForFolderA(&info);
    if (!list)
        return false;
    char path[MAX_PATH] = "";
    const bool ok = SHGetPathFromIDListA(list, path) != FALSE;
    CoTaskMemFree(list);
    if (ok)
        chosen = path;
    return ok;
}

HINSTANCE Desktop::ShellOpen(HWND owner, const char *verb, const char *file, const char *parameters,
                                const char *directory, int show) {
    return ShellExecuteA(owner, verb, file, parameters, directory, show);
}

bool Desktop::StartProcess(const char *application, char *commandLine, bool inheritHandles, DWORD flags,
                            const char *directory, STARTUPINFOA &startup, PROCESS_INFORMATION &process) {
    startup.cb = sizeof startup;
    return CreateProcessA(application, commandLine, nullptr, nullptr, inheritHandles, flags, nullptr, directory,
                          &startup, &process) != FALSE;
}
