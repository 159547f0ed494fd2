#include "navigation/JumpWordDialog.h"

#include <shlwapi.h>

#include "app/Report.h"
#include "editor/Document.h"
#include "editor/DocumentView.h"
#include "frame/Workbench.h"
#include "framework/FileBytes.h"
#include "navigation/JumpMemory.h"
#include "navigation/SourceScan.h"
#include "project/ProjectQuery.h"

namespace {

const COLORREF tint = 0xEEFFEE;
const char searchFailed[] = "検索中にエラーが発生しました。";

}

INT_PTR JumpWordDialog::OnInitDialog(HWND, LPARAM) {
    list_.Setup(GetHandle(), IDC_JUMP_LIST, 3, tint);
    SendDlgItemMessageA(GetHandle(), IDC_JUMP_KEYWORD, EM_LIMITTEXT, 256, 0);
    CheckRadioButton(GetHandle(), IDC_JUMP_SCOPE_DOCUMENT, IDC_JUMP_SCOPE_PROJECT,
                     memory_.scope == 1 ? IDC_JUMP_SCOPE_PROJECT : IDC_JUMP_SCOPE_DOCUMENT);
    return FALSE;
}

INT_PTR JumpWordDialog::OnSize(WPARAM, WORD width, WORD height) {
    RECT list;
    GetWindowRect(list_.GetHandle(), &list);
    MapWindowPoints(nullptr, GetHandle(), reinterpret_cast<POINT *>(&list), 2);
    MoveWindow(list_.GetHandle(), list.left, list.top, width - 2 * list.left, height - list.top - list.left, TRUE);
    return 0;
}

INT_PTR JumpWordDialog::OnNotify(int id, NMHDR *header) {
    LRESULT result = 0;
    if (list_.Answer(*header, result))
        return Answer(result);
    if (id == IDC_JUMP_LIST && header->code == static_cast<UINT>(NM_DBLCLK))
        GoTo(reinterpret_cast<NMITEMACTIVATE *>(header)->iItem);
    return 0;
}

void JumpWordDialog::RememberScope() {
    memory_.scope = IsDlgButtonChecked(GetHandle(), IDC_JUMP_SCOPE_DOCUMENT) == BST_CHECKED ? 0 : 1;
}

void JumpWordDialog::Refresh() {
    RememberScope();
    results_.clear();
    list_.Clear();
    char keyword[1024] = "";
    GetDlgItemTextA(GetHandle(), IDC_JUMP_KEYWORD, keyword, sizeof keyword);
    if (keyword[0]) {
        const bool project = memory_.scope == 1;
        for (const std::string &file : Files())
            if (!Search(file, keyword, project))
                break;
    }
    list_.Show();
    if (IsWindowVisible(GetHandle()))
        list_.SetFocus();
}

std::vector<std::string> JumpWordDialog::Files() const {
    if (memory_.scope == 1) {
        const ProjectQuery *project = workbench_.Find<ProjectQuery>();
        return project && project->IsProjectOpen() ? project->ListProjectFiles() : std::vector<std::string>();
    }
    const Document *current = workbench_.Current();
    return current && !current->IsUntitled() ? std::vector<std::string>{current->path.Full()} : std::vector<std::string>();
}

bool JumpWordDialog::Search(const std::string &file, const std::string &keyword, bool project) {
    if (!PathFileExistsA(file.c_str()) || PathIsDirectoryA(file.c_str())) {
        Tell(GetHandle(), {"[jump word dialog] couldn't find source file.", file.c_str(), searchFailed, MB_ICONERROR});
        return false;
    }
    std::string read;
    std::string_view text;
    const int open = workbench_.Documents().IndexOfPath(file.c_str());
    if (Document *document = open >= 0 ? workbench_.Documents().At(open) : nullptr) {
        const Vessary::Position length = document->GetLength();
        text = std::string_view(length > 0 ? document->CharacterPointer() : "", static_cast<size_t>(length));
    } else if (FileBytes::Read(file.c_str(), read) == FileBytes::ReadState::Read) {
        text = read;
    } else {
        Tell(GetHandle(), {"jump-word-dialog : couldn't open source file.", file.c_str(), searchFailed, MB_ICONERROR});
        return false;
    }
    SourceScan::LineCounter lines(text);
    for (const size_t position : SourceScan::FindKeyword(text, keyword)) {
        list_.AddRow({project ? file : "", std::to_string(lines.LineOf(position) + 1), SourceScan::RestOfLine(text, position)});
        results_.push_back({file, position});
    }
    return true;
}

void JumpWordDialog::GoTo(int row) const {
    if (row < 0 || row >= static_cast<int>(results_.size()))
        return;
    const Result &result = results_[static_cast<size_t>(row)];
    if (!workbench_.Open(result.file.c_str()))
        return;
    if (Document *target = Target()) {
        target->GotoPos(static_cast<Vessary::Position>(result.position));
        target->ScrollCaret();
        target->GrabFocus();
    }
}

void JumpWordDialog::Closing() {
    RememberScope();
    results_.clear();
    list_.Clear();
}

void JumpWordDialog::Shown() {
    HWND keyword = Item(IDC_JUMP_KEYWORD);
    ::SetFocus(keyword);
    SendMessageA(keyword, EM_SETSEL, 0, -1);
}
