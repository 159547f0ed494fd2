#include "hsp/CompilerReports.h"

#include <shlwapi.h>

#include "app/System.h"
#include "editor/Document.h"
#include "editor/DocumentView.h"
#include "frame/Workbench.h"
#include "framework/DialogManager.h"
#include "framework/Path.h"
#include "framework/ShiftJis.h"
#include "hsp/CompileScript.h"
#include "hsp/CompileTarget.h"
#include "hsp/CompilerText.h"
#include "hsp/HspReportDialog.h"
#include "settings/LexerHsp.h"
#include "settings/Setting.h"

namespace {

std::string FullPath(const std::string &path) {
    char full[MAX_PATH] = "";
    char canonical[MAX_PATH] = "";
    if (!GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr) || !PathCanonicalizeA(canonical, full))
        return path;
    return canonical;
}

// Where an included file's name may point: as written when it is a full path, else beside the
// target, then in the home's common folder (where the compiler looked for it).
std::string FindIncluded(const std::string &name, const Path &target) {
    if (!PathIsRelativeA(name.c_str()))
        return PathFileExistsA(name.c_str()) ? name : std::string();
    const std::string home = System::Get().Settings().Hsp().homeDirectory;
    for (const std::string &folder : {std::string(target.DirectoryPart()), home.empty() ? home : home + "common\\"}) {
        const std::string candidate = folder + name;
        if (!folder.empty() && PathFileExistsA(candidate.c_str()))
            return candidate;
    }
    return std::string();
}

}

void CompilerReports::AfterCompile(const CompileTarget &target, const CompileResult &result) {
    if (result.compiled)
        mark_.Clear(workbench_.Documents());
    if (result.reported)
        Show(workbench_.Handle(), result.version, result.messages, ReportOrigin{target.path.Full(), result.sourceView});
}

void CompilerReports::Show(HWND owner, const std::string &version, const std::string &messages, const ReportOrigin &origin) {
    version_ = version;
    messages_ = messages;
    MarkFirstError(origin);
    workbench_.Dialogs().Open<HspReportDialog>(owner, version_, messages_,
                                               [this, origin](const std::string &line) { return GoTo(origin, line); });
}

void CompilerReports::MarkFirstError(const ReportOrigin &origin) {
    CompilerText::Location first;
    std::string line;
    if (!CompilerText::FirstLocation(messages_, first, &line))
        return;
    if (Document *document = DocumentAt(origin, first, false))
        mark_.Show(workbench_.Documents(), *document, first.line - 1, line);
}

bool CompilerReports::GoTo(const ReportOrigin &origin, const std::string &messageLine) {
    CompilerText::Location location;
    if (!CompilerText::ParseLocation(messageLine.data(), messageLine.size(), location))
        return false;
    Document *document = DocumentAt(origin, location, true);
    if (!document)
        return false;
    workbench_.Select(document->Index());
    document->GotoLine(location.line - 1);
    document->GrabFocus();
    return true;
}

Document *CompilerReports::DocumentAt(const ReportOrigin &origin, const CompilerText::Location &location, bool open) {
    const Path target(origin.target.c_str());
    const std::string name = ShiftJis::LowerAscii(location.file.c_str());
    if (name == "hsptmp" || (target.FilePart()[0] && name == ShiftJis::LowerAscii(target.FilePart()))) {
        if (Document *source = workbench_.Documents().FindByHandle(origin.sourceView))
            return source;
        return origin.target.empty() ? nullptr : OpenDocument(origin.target, open);
    }
    const std::string included = FindIncluded(location.file, target);
    return included.empty() ? nullptr : OpenDocument(included, open);
}

Document *CompilerReports::OpenDocument(const std::string &path, bool open) {
    DocumentView &documents = workbench_.Documents();
    if (Document *document = documents.At(documents.IndexOfPath(FullPath(path).c_str())))
        return document;
    if (!open || !workbench_.Open(path.c_str()))
        return nullptr;
    return workbench_.Current();
}

void CompilerReports::OnEditNotification(Document &view, const SCNotification &notification) {
    mark_.OnEditNotification(workbench_.Documents(), view, notification);
}
