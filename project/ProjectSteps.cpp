#include "project/ProjectSteps.h"

#include "app/Report.h"
#include "app/System.h"
#include "editor/Document.h"
#include "editor/DocumentView.h"
#include "log/Logger.h"

namespace {

// The lines of one file, or -1 (logged) when it cannot be counted.
long long LinesOf(const std::string &file, DocumentView &documents, Document &scratch) {
    const DWORD attributes = GetFileAttributesA(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        System::Get().GetLogger().Error("%s [%s]", "jump-word-dialog : couldn't find source file.", file.c_str());
        return -1;
    }
    if (const Document *open = documents.At(documents.IndexOfPath(file.c_str())))
        return open->GetLineCount();
    if (!scratch.ReadFile(file.c_str())) {
        System::Get().GetLogger().Error("%s [%s]", "jump-word-dialog : couldn't open source file.", file.c_str());
        return -1;
    }
    return scratch.GetLineCount();
}

}

long long CountProjectSteps(const std::vector<std::string> &files, DocumentView &documents, HWND owner) {
    Document scratch;
    long long total = scratch.Create(owner, -1, nullptr) ? 0 : -1;
    for (size_t i = 0; i < files.size() && total >= 0; ++i) {
        const long long lines = LinesOf(files[i], documents, scratch);
        total = lines < 0 ? -1 : total + lines;
    }
    if (total < 0)
        Tell(owner, {nullptr, nullptr, "ステップ数計算中にエラーが発生しました。", MB_ICONERROR});
    return total;
}
