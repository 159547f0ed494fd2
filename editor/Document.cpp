#include "editor/Document.h"

#include <algorithm>
#include <memory>

#include "Scintilla.h"

#include "app/System.h"
#include "framework/FileSystem.h"
#include "framework/KernelHandle.h"
#include "language/Configure.h"
#include "language/KeywordTables.h"

namespace {

int liveDocuments;

std::string DoubleAmpersands(const char *text) {
    std::string doubled;
    for (const char *p = text; *p; ++p) {
        doubled += *p;
        if (*p == '&')
            doubled += '&';
    }
    return doubled;
}


}

Document::Document() { ++liveDocuments; }

Document::~Document() { --liveDocuments; }

int Document::LiveCount() { return liveDocuments; }

bool Document::Create(HWND parent, int index, void *param) {
    return KeywordTables::Shared().PrepareKeywords(*this, parent, index, param);
}

std::string Document::MenuText() const { return DoubleAmpersands(path.FilePart()); }

std::string Document::TabText() const { return MenuText() + (IsModified() ? "*" : ""); }

std::string Document::Title(const char *projectName) const {
    std::string title = projectName && *projectName ? std::string(projectName) + " " : std::string();
    title += "<";
    title += path.FilePart();
    if (IsModified())
        title += "*";
    title += "> - Tamborel";
    return title;
}

void Document::ResetEmpty(int language, const char *directory, bool inProjectFlag) {
    ClearAll();
    EmptyUndoBuffer();
    SetSavePoint();
    ApplyBaseConfiguration();
    path.Set(directory);
    SetLanguage(language);
    inProject = inProjectFlag;
    SetModified(false);
    Configure();
}

void Document::Configure() {
    System &system = System::Get();
    ::Configure(*this, Language(), inProject, system.Settings(), system.Colors(), KeywordTables::Shared());
}

bool Document::ReadFile(const char *file) {
    FileSystem &files = FileSystem::Get();
    KernelHandle in(files.Create(file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING));
    if (!in.Valid())
        return false;
    std::unique_ptr<char[]> buffer(new char[BlockSize]);
    ClearAll();
    // The undo history is emptied after a load anyway: not recording it saves a copy of the
    // whole file, and room made once saves growing the text block by block.
    SetUndoCollection(false);
    LARGE_INTEGER size;
    if (GetFileSizeEx(in.Get(), &size) && size.QuadPart > 0) {
        Allocate(static_cast<Position>(size.QuadPart) + 1);
        MakeRoomForLines(in.Get(), buffer.get());
    }
    // The component drops what it has no memory for and says so only in its status.
    SetStatus(SC_STATUS_OK);
    const bool whole = ReadBlocks(in.Get(), buffer.get(), [this](const char *bytes, DWORD got) {
        AddText(bytes, static_cast<Position>(got));
        return GetStatus() == SC_STATUS_OK;
    });
    SetUndoCollection(true);
    return whole;
}

// The line index grows by copying itself, the old and the new index both held at the peak (a
// fifth of the file size more in short lines): a first pass over the file, from the cache,
// counts the lines and room for them is made once. The count is of LF, or of CR when the first
// block holds no LF: a file that mixes line ends only grows its index as it did, as does a
// failed pass.
void Document::MakeRoomForLines(HANDLE file, char *buffer) {
    Position lines = 1;
    char end = 0;
    const bool counted = ReadBlocks(file, buffer, [&](const char *bytes, DWORD got) {
        if (!end)
            end = std::find(bytes, bytes + got, '\n') != bytes + got ? '\n' : '\r';
        lines += std::count(bytes, bytes + got, end);
        return true;
    });
    const LARGE_INTEGER start{};
    if (SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && counted)
        AllocateLines(lines);
}

template <class Use> bool Document::ReadBlocks(HANDLE file, char *buffer, Use use) {
    FileSystem &files = FileSystem::Get();
    for (;;) {
        DWORD got = 0;
        if (!files.Read(file, buffer, BlockSize, got))
            return false;
        if (got == 0)
            return true;
        if (!use(buffer, got))
            return false;
    }
}

FileBytes::Outcome Document::WriteFile(const char *file) {
    ConvertEols(SC_EOL_CRLF);
    return FileBytes::Replace(file, [this](FileBytes::Sink &sink) {
        const Position length = GetLength();
        for (Position start = 0; start < length; start += BlockSize - 1) {
            const Position end = start + BlockSize - 1 < length ? start + BlockSize - 1 : length;
            if (!sink.Put(GetTextRange(start, end)))
                return false;
        }
        return true;
    });
}
