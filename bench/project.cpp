// A project of 2,000 files in 200 folders: the time to open it, and to save and rebuild the tree
// after one folder is renamed, against the time to open one of its files, in the same frame.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/Tamborel.h"
#include "editor/EditControlId.h"
#include "frame/MainFrameWindow.h"
#include "framework/ProgramDirectory.h"
#include "project/ProjectCommands.h"
#include "project/ProjectFrameWindow.h"
#include "support/Messages.h"
#include "support/ScratchProgram.h"
#include "support/TestFiles.h"
#include "support/Timing.h"

namespace {

const int folderCount = 200;
const int filesPerFolder = 10;

// The process's own processor time: the machine is shared, and waiting for a core is not the
// editor's time.
double ProcessorSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto value = [](const FILETIME &time) { return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime; };
    return static_cast<double>(value(kernel) + value(user)) / 1e7;
}

// Folders "dir000" ... under the project's root, each with its scripts beside the project file.
std::string MakeProject(const std::string &folder) {
    std::string style = "<holder name=\"big\">";
    for (int d = 0; d < folderCount; ++d) {
        char name[16];
        std::snprintf(name, sizeof name, "dir%03d", d);
        CreateDirectoryA((folder + name).c_str(), nullptr);
        style += std::string("<holder name=\"") + name + "\" expand=\"" + (d % 2 ? "no" : "yes") + "\">";
        for (int f = 0; f < filesPerFolder; ++f) {
            const std::string file = std::string(name) + "\\script" + std::to_string(f) + ".hsp";
            TestFiles::Write(folder + file, "mes \"" + file + "\"\r\n");
            style += "<file name=\"script" + std::to_string(f) + ".hsp\" path=\".\\" + file + "\"/>";
        }
        style += "</holder>";
    }
    TestFiles::Write(folder + "big.prj", "<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?><project><body><event/><style>" +
                                             style + "</holder></style></body></project>");
    return folder + "big.prj";
}

// Renames the first folder; -1 when no folder has the new name afterwards.
double RenameAndReload(ProjectFrameWindow &pane, const std::string &label) {
    const ProjectTreeView &tree = pane.Tree();
    NMTVDISPINFOA edit{};
    edit.hdr = NMHDR{tree.GetHandle(), static_cast<UINT_PTR>(ProjectTreeId), static_cast<UINT>(TVN_ENDLABELEDITA)};
    edit.item.hItem = tree.GetChild(tree.GetNextItem(nullptr, TVGN_ROOT));
    edit.item.pszText = const_cast<char *>(label.c_str());
    const double start = Seconds();
    SendMessageA(pane.GetHandle(), WM_NOTIFY, ProjectTreeId, reinterpret_cast<LPARAM>(&edit));
    PumpMessages();
    const double elapsed = Seconds() - start;
    for (HTREEITEM item = tree.GetChild(tree.GetNextItem(nullptr, TVGN_ROOT)); item; item = tree.GetNextSibling(item))
        if (tree.GetItemText(item) == label)
            return elapsed;
    return -1;
}

}

int main() {
    const std::string folder = PrepareScratchProgram();
    if (folder.empty())
        return 1;
    OleInitialize(nullptr);
    const std::string project = MakeProject(folder);

    MainFrameWindow frame;
    frame.Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 900, 700, nullptr, nullptr,
                 GetModuleHandleA(nullptr), &frame);
    PumpMessages();
    ProjectCommands &commands = *frame.Find<ProjectCommands>();
    std::vector<double> opens, renames, files;
    double renameProcessor = 0, fileProcessor = 0;
    const int rounds = 5;
    for (int round = 0; round < rounds; ++round) {
        double start = Seconds();
        if (!commands.OpenProject(project.c_str()) || commands.ListProjectFiles().size() != folderCount * filesPerFolder) {
            std::printf("open failed\n");
            return 1;
        }
        PumpMessages();
        opens.push_back(Seconds() - start);
        double processor = ProcessorSeconds();
        renames.push_back(RenameAndReload(commands.Pane(), "zz" + std::to_string(round)));
        renameProcessor += ProcessorSeconds() - processor;
        if (renames.back() < 0 || commands.Pane().ListProjectFiles().size() != folderCount * filesPerFolder) {
            std::printf("rename failed\n");
            return 1;
        }
        start = Seconds();
        processor = ProcessorSeconds();
        frame.Open((folder + "dir100\\script5.hsp").c_str());
        files.push_back(Seconds() - start);
        fileProcessor += ProcessorSeconds() - processor;
        frame.Close(frame.CurrentIndex());
    }
    const double open = Median(opens), rename = Median(renames), file = Median(files);
    std::printf("open the project (2,000 files, 200 folders):  %.1f ms\n", open * 1000);
    std::printf("rename one folder, save and rebuild the tree: %.1f ms\n", rename * 1000);
    std::printf("open one of its files:                        %.1f ms\n", file * 1000);
    std::printf("ratio rename / open one file: %.2f\n", rename / file);
    std::printf("processor time, mean of %d: rename %.1f ms, open one file %.1f ms\n", rounds, renameProcessor / rounds * 1000,
                fileProcessor / rounds * 1000);
    commands.CloseProject();
    frame.Shutdown();
    OleUninitialize();
    TestFiles::RemoveTree(folder);
    return 0;
}
