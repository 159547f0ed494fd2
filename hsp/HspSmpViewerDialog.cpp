#include "hsp/HspSmpViewerDialog.h"

#include <vector>

#include "editor/DocumentView.h"
#include "frame/Workbench.h"
#include "framework/FileSearch.h"
#include "framework/ProgramDirectory.h"
#include "hsp/CompileScript.h"
#include "hsp/CompileTarget.h"
#include "hsp/Hsp.h"
#include "hsp/HspResources.h"
#include "language/FileTypes.h"

namespace {

const int previewWidth = 520;
const int previewMarginWidth = 18;
const int gap = 8;
const int controls[] = {IDC_HSP_SAMPLE_CATEGORY, IDC_HSP_SAMPLE_LIST, IDC_HSP_SAMPLE_RUN, IDC_HSP_SAMPLE_EDIT,
                        IDC_HSP_SAMPLE_COPY, IDCANCEL};

// The names matching a pattern: folders (without "." and "..") or files.
std::vector<std::string> Names(const std::string &pattern, bool folders) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const FileSearch search(pattern.c_str(), found);
    if (!search.Valid())
        return names;
    do {
        const std::string name = found.cFileName;
        const bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (folder == folders && name != "." && name != "..")
            names.push_back(name);
    } while (search.Next(found));
    return names;
}

}

HspSmpViewerDialog::HspSmpViewerDialog(Workbench &workbench, const Hsp &hsp, std::string home)
    : Dialog(TemplateId, false), workbench_(workbench), hsp_(hsp), home_(std::move(home)) {}

INT_PTR HspSmpViewerDialog::OnInitDialog(HWND, LPARAM) {
    categories_.Attach(Item(IDC_HSP_SAMPLE_CATEGORY));
    samples_.Attach(Item(IDC_HSP_SAMPLE_LIST));
    PlaceControls();
    CreatePreview();
    FillCategories();
    return TRUE;
}

// The preview takes the dialog's left 520 pixels whatever the dialog font; the controls stand
// to its right, and the dialog grows or shrinks to hold them.
void HspSmpViewerDialog::PlaceControls() {
    RECT first;
    GetWindowRect(Item(controls[0]), &first);
    MapWindowPoints(nullptr, GetHandle(), reinterpret_cast<POINT *>(&first), 2);
    const int shift = previewWidth + gap - first.left;
    int right = 0;
    for (int id : controls) {
        RECT rect;
        GetWindowRect(Item(id), &rect);
        MapWindowPoints(nullptr, GetHandle(), reinterpret_cast<POINT *>(&rect), 2);
        SetWindowPos(Item(id), nullptr, rect.left + shift, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        right = rect.right + shift > right ? rect.right + shift : right;
    }
    RECT client;
    GetClientRect(GetHandle(), &client);
    RECT window{0, 0, right + gap, client.bottom};
    AdjustWindowRectEx(&window, static_cast<DWORD>(GetWindowLongPtrA(GetHandle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(GetHandle(), GWL_EXSTYLE)));
    SetWindowPos(GetHandle(), nullptr, 0, 0, window.right - window.left, window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER);
}

void HspSmpViewerDialog::CreatePreview() {
    RECT client;
    GetClientRect(GetHandle(), &client);
    if (!preview_.Create(GetHandle(), -1, nullptr))
        return;
    preview_.ResetEmpty(FileTypes::Hsp, "");
    preview_.SetHScrollBar(true);
    preview_.SetVScrollBar(true);
    preview_.SetMarginWidthN(2, previewMarginWidth);
    preview_.SetReadOnly(true);
    MoveWindow(preview_.GetHandle(), 0, 0, previewWidth, client.bottom, FALSE);
    preview_.Show(SW_SHOW);
}

void HspSmpViewerDialog::FillCategories() {
    categories_.ResetContent();
    for (const std::string &category : Names(home_ + "sample\\*.*", true))
        categories_.AddString(category.c_str());
    categories_.SetCurSel(0);
    FillSamples();
}

void HspSmpViewerDialog::FillSamples() {
    samples_.ResetContent();
    const int category = categories_.GetCurSel();
    if (category >= 0) {
        const std::string folder = home_ + "sample\\" + categories_.GetItemText(category) + "\\";
        for (const std::string &sample : Names(folder + "*.hsp", false))
            samples_.AddString(sample.c_str());
    }
    samples_.SetCurSel(0);
    ShowPreview();
}

std::string HspSmpViewerDialog::SamplePath() const {
    const int category = categories_.GetCurSel();
    const int sample = samples_.GetCurSel();
    if (category < 0 || sample < 0)
        return std::string();
    return home_ + "sample\\" + categories_.GetItemText(category) + "\\" + samples_.GetItemText(sample);
}

// A sample that cannot be read leaves the preview empty.
void HspSmpViewerDialog::ShowPreview() {
    if (!preview_.GetHandle())
        return;
    preview_.SetReadOnly(false);
    preview_.ClearAll();
    const std::string path = SamplePath();
    if (!path.empty() && !preview_.ReadFile(path.c_str()))
        preview_.ClearAll();
    preview_.EmptyUndoBuffer();
    preview_.GotoPos(0);
    preview_.SetReadOnly(true);
}

INT_PTR HspSmpViewerDialog::OnCommand(WORD code, WORD id, HWND) {
    switch (id) {
    case IDC_HSP_SAMPLE_CATEGORY:
        if (code == CBN_SELCHANGE)
            FillSamples();
        return TRUE;
    case IDC_HSP_SAMPLE_LIST:
        if (code == LBN_SELCHANGE)
            ShowPreview();
        return TRUE;
    case IDC_HSP_SAMPLE_RUN: RunSample(); return TRUE;
    case IDC_HSP_SAMPLE_EDIT:
        if (!SamplePath().empty())
            workbench_.Open(SamplePath().c_str());
        return TRUE;
    case IDC_HSP_SAMPLE_COPY: CopySample(); return TRUE;
    case IDCANCEL: Close(IDCANCEL); return TRUE;
    default: return FALSE;
    }
}

// The sample compiles where it is, into work\samplescript, and runs; a failure shows nothing.
void HspSmpViewerDialog::RunSample() {
    const std::string path = SamplePath();
    if (path.empty() || !hsp_.IsReady())
        return;
    CompileTarget target;
    target.path.Set(path.c_str());
    CompileRequest request;
    request.source = target.path.FilePart();
    request.object = "samplescript";
    request.objectDirectory = std::string(ProgramDirectory()) + "work\\";
    request.run = true;
    CompileScript(workbench_, hsp_, home_, target, request);
}

void HspSmpViewerDialog::CopySample() {
    const std::string text = preview_.GetText();
    if (text.empty())
        return;
    const int index = workbench_.UntitledOrNewDocument();
    Document *document = workbench_.Documents().At(index);
    if (!document)
        return;
    document->ClearAll();
    document->AddText(text.data(), static_cast<Vessary::Position>(text.size()));
    document->GotoPos(0);
    workbench_.Select(index);
}
