#include "editor/Document.h"

#include <cstdio>
#include <memory>

#include "Scintilla.h"

#include "app/System.h"
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

struct FileCloser {
    void operator()(FILE *file) const {
        if (file)
            std::fclose(file);
    }
};
using File = std::unique_ptr<FILE, FileCloser>;

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
    File in(std::fopen(file, "rb"));
    if (!in)
        return false;
    std::unique_ptr<char[]> buffer(new char[BlockSize]);
    ClearAll();
    // The undo history is emptied after a load anyway: not recording it saves a copy of the
    // whole file, and room made once saves growing the text block by block.
    SetUndoCollection(false);
    if (std::fseek(in.get(), 0, SEEK_END) == 0) {
        const long size = std::ftell(in.get());
        if (size > 0)
            Allocate(static_cast<Position>(size) + 1);
        std::fseek(in.get(), 0, SEEK_SET);
    }
    for (;;) {
        const size_t got = std::fread(buffer.get(), 1, BlockSize, in.get());
        if (got == 0)
            break;
        AddText(buffer.get(), static_cast<Position>(got));
    }
    SetUndoCollection(true);
    return !std::ferror(in.get());
}

bool Document::WriteFile(const char *file) {
    Path target(file);
    const DWORD attributes = GetFileAttributesA(file);
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    char temporary[MAX_PATH] = "";
    const std::string folder = target.DirectoryPart()[0] ? target.DirectoryPart() : ".\\";
    if (!GetTempFileNameA(folder.c_str(), "tmb", 0, temporary))
        return false;
    bool written = false;
    {
        File out(std::fopen(temporary, "wb"));
        if (out) {
            ConvertEols(SC_EOL_CRLF);
            const Position length = GetLength();
            written = true;
            for (Position start = 0; start < length && written; start += BlockSize - 1) {
                const Position end = start + BlockSize - 1 < length ? start + BlockSize - 1 : length;
                const std::string piece = GetTextRange(start, end);
                written = std::fwrite(piece.data(), 1, piece.size(), out.get()) == piece.size();
            }
            written = written && std::fflush(out.get()) == 0;
            written = std::fclose(out.release()) == 0 && written;
        }
    }
    if (written) {
        if (exists) {
            written = ReplaceFileA(file, temporary, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE;
            if (written)
                SetFileAttributesA(file, attributes);
        } else {
            written = MoveFileExA(temporary, file, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
        }
    }
    if (!written)
        DeleteFileA(temporary);
    return written;
}
