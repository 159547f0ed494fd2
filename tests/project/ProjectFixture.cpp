#include "ProjectFixture.h"

#include "app/Tamborel.h"
#include "editor/EditControlId.h"
#include "support/EditControl.h"
#include "support/Messages.h"
#include "support/TestFiles.h"

void ProjectTest::SetUp() {
    EditControl::Library();
    Tamborel::RegisterMainWindowClass(GetModuleHandleA(nullptr));
    folder = TestFiles::MakeTempFolder("tamborel-project");
    frame = std::make_unique<MainFrameWindow>();
    ASSERT_TRUE(frame->Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr, nullptr,
                              GetModuleHandleA(nullptr), frame.get()));
    ShowWindow(frame->GetHandle(), SW_SHOW);
    Pump();
}

void ProjectTest::TearDown() {
    frame.reset();
    Pump();
    TestFiles::RemoveTree(folder);
}

std::string ProjectTest::MakeFile(const std::string &name, const std::string &bytes) const {
    for (size_t slash = name.find('\\'); slash != std::string::npos; slash = name.find('\\', slash + 1))
        CreateDirectoryA((folder + name.substr(0, slash)).c_str(), nullptr);
    TestFiles::Write(folder + name, bytes);
    return folder + name;
}

std::string ProjectTest::MakeProject(const std::string &name, const std::string &style, const std::string &event) const {
    return MakeFile(name, "<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?>\r\n<project><body><event>" + event +
                              "</event><style>" + style + "</style></body></project>\r\n");
}

std::string ProjectTest::Read(const std::string &name) const { return TestFiles::Read(folder + name); }

void ProjectTest::Pump() { PumpMessages(); }

void ProjectTest::Command(UINT id) const { SendCommand(frame->GetHandle(), id); }

std::string ProjectTest::Title() const {
    char title[512] = "";
    GetWindowTextA(frame->GetHandle(), title, sizeof title);
    return title;
}

namespace {

void AppendItems(const ProjectTreeView &tree, HTREEITEM item, size_t depth, std::string &text) {
    for (; item; item = tree.GetNextSibling(item)) {
        HTREEITEM child = tree.GetChild(item);
        text += std::string(depth * 2, ' ') + (child ? (tree.IsExpanded(item) ? "-" : "+") : "") + tree.GetItemText(item) + "\n";
        AppendItems(tree, child, depth + 1, text);
    }
}

}

std::string ProjectTest::TreeText() const {
    std::string text;
    AppendItems(Pane().Tree(), Pane().Tree().GetNextItem(nullptr, TVGN_ROOT), 0, text);
    return text;
}

HTREEITEM ProjectTest::Item(const std::string &labels) const {
    const ProjectTreeView &tree = Pane().Tree();
    HTREEITEM item = tree.GetNextItem(nullptr, TVGN_ROOT);
    size_t start = 0;
    for (;;) {
        const size_t end = labels.find('/', start);
        const std::string label = labels.substr(start, end == std::string::npos ? std::string::npos : end - start);
        while (item && tree.GetItemText(item) != label)
            item = tree.GetNextSibling(item);
        if (!item || end == std::string::npos)
            return item;
        item = tree.GetChild(item);
        start = end + 1;
    }
}

POINT ProjectTest::ScreenPoint(HTREEITEM item) const {
    const RECT label = Pane().Tree().LabelRect(item);
    POINT point{label.left + 2, (label.top + label.bottom) / 2};
    ClientToScreen(Pane().Tree().GetHandle(), &point);
    return point;
}

LRESULT ProjectTest::Notify(NMHDR &header, UINT code) const {
    header.hwndFrom = Pane().Tree().GetHandle();
    header.idFrom = ProjectTreeId;
    header.code = code;
    const LRESULT result = SendMessageA(Pane().GetHandle(), WM_NOTIFY, ProjectTreeId, reinterpret_cast<LPARAM>(&header));
    Pump();
    return result;
}
