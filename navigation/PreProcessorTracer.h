// Follows an HSP script through the files it brings in with #include and #addition, in the
// order the HSP pre-processor reads them, and finds where a label or a directive's name is
// defined. It reads what the HSP colouring says of each position and tokenises nothing itself.
// Open documents are read from their views, so unsaved edits count; other files go through one
// hidden view that lives as long as this object (one command).
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "navigation/ScanCache.h"
#include "navigation/SourceLocation.h"

class Document;

// What the tracer reads of the editor.
struct TraceContext {
    // The view the caret is in: its folder is where included names are looked for first.
    Document *active = nullptr;
    std::vector<Document *> documents;
    // The window the hidden view is made in.
    HWND parent = nullptr;
    // The HSP home, ending with a backslash: its "common\" folder holds the shared headers.
    std::string home;
};

class PreProcessorTracer {
public:
    PreProcessorTracer(const TraceContext &context, ScanCache &cache);
    ~PreProcessorTracer();
    PreProcessorTracer(const PreProcessorTracer &) = delete;
    PreProcessorTracer &operator=(const PreProcessorTracer &) = delete;

    // The stretches of the files start brings in ("" is the active document). A name that
    // resolves to no file, or to one that cannot be read, ends the trace; what came before stands.
    std::vector<TraceSegment> Trace(const std::string &start);
    // What a reference from current searches: the trace of the project's entry file when it
    // reaches current, else the trace of current.
    std::vector<TraceSegment> TraceFor(const std::string &current, const std::string &entry);
    // The definition of the label or name at the caret; false (result = caret) when there is
    // none or the caret is in a comment, string, number or on a label definition.
    bool FindDefinition(const std::string &current, const std::string &entry, SourceLocation &result,
                        const SourceLocation &caret);
    // A traced file's scan, null when it cannot be read.
    ScanCache::ScanPtr ScanOf(const std::string &file);

    static const size_t longestWord = 60;

private:
    std::vector<TraceSegment> Follow(const std::string &start);
    // The kept trace under key, when nothing it consulted has changed since.
    bool Reuse(const std::string &key, std::vector<TraceSegment> &segments);
    ScanCache::ScanPtr Read(const std::string &file);
    ScanCache::ScanPtr ScanView(Document &view);
    ScanCache::ScanPtr ScanFile(const std::string &file);
    // A file as it is now: the open document's text, else the file or folder on disk.
    ScanCache::Stamp Current(const std::string &path) const;
    void Consult(const std::string &folder);
    // The path an included name stands for, "" when none exists.
    std::string Resolve(const std::string &name, const std::string &includer);
    std::string Canonical(const std::string &path) const;
    Document *OpenDocument(const std::string &path) const;
    // The caret's view: the active document, an open one, or the file in the hidden view.
    Document *ViewOf(const std::string &file);
    Document &Hidden();
    bool Search(const std::vector<TraceSegment> &segments, bool label, const std::string &word, SourceLocation &result);

    const TraceContext &context_;
    ScanCache &cache_;
    std::unique_ptr<Document> hidden_;
    // Each file is read once per command, however often the trace comes back to it.
    std::map<std::string, ScanCache::ScanPtr> read_;
    std::map<std::string, ScanCache::Stamp> stamps_;
    // What the trace being followed read and looked in; a trace that met a missing or
    // unreadable file is not kept.
    ScanCache::Consulted consulted_;
    bool complete_ = true;
};

// Whether two paths name the same file: compared as Windows does, letters in either case.
bool SamePath(const std::string &a, const std::string &b);
