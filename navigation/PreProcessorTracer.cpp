#include "navigation/PreProcessorTracer.h"

#include <shlwapi.h>

#include <functional>

#include "app/System.h"
#include "editor/Document.h"
#include "framework/ShiftJis.h"
#include "language/Configure.h"
#include "log/Logger.h"
#include "navigation/ViewText.h"
#include "vessary/VessaryMessages.h"

using SourceScan::FileScan;

namespace {

Logger &Log() { return System::Get().GetLogger(); }

bool HasSeparator(const std::string &name) {
    const int length = static_cast<int>(name.size());
    return ShiftJis::FindLast(name.c_str(), length, '\\') >= 0 || ShiftJis::FindLast(name.c_str(), length, '/') >= 0;
}

bool Exists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string DirectoryOf(const std::string &path) { return Path(path.c_str()).DirectoryPart(); }

bool NeverFound(int style) {
    switch (style) {
    case VSHSP_COMMENTBLOCK:
    case VSHSP_COMMENTLINE:
    case VSHSP_NUMBER:
    case VSHSP_STRING:
    case VSHSP_MULTISTRING:
    case VSHSP_CHARACTER:
    case VSHSP_LABEL:
        return true;
    default:
        return false;
    }
}

}

bool SamePath(const std::string &a, const std::string &b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

PreProcessorTracer::PreProcessorTracer(const TraceContext &context, ScanCache &cache) : context_(context), cache_(cache) {}

PreProcessorTracer::~PreProcessorTracer() = default;

std::vector<TraceSegment> PreProcessorTracer::Trace(const std::string &start) {
    const std::string key = start + "|" + (context_.active ? context_.active->path.DirectoryPart() : "") + "|" + context_.home;
    std::vector<TraceSegment> segments;
    if (Reuse(key, segments))
        return segments;
    consulted_.clear();
    complete_ = true;
    segments = Follow(start);
    if (complete_)
        cache_.StoreTrace(key, {segments, consulted_});
    return segments;
}

bool PreProcessorTracer::Reuse(const std::string &key, std::vector<TraceSegment> &segments) {
    const ScanCache::Trace *kept = cache_.FindTrace(key);
    if (!kept)
        return false;
    for (const auto &consulted : kept->consulted)
        if (!(Current(consulted.first) == consulted.second))
            return false;
    for (const auto &consulted : kept->consulted) {
        if (ScanCache::ScanPtr scan = cache_.Find(consulted.first, consulted.second)) {
            read_[consulted.first] = scan;
            stamps_[consulted.first] = consulted.second;
        }
    }
    segments = kept->segments;
    return true;
}

std::vector<TraceSegment> PreProcessorTracer::Follow(const std::string &start) {
    struct IncludeFrame {
        std::string file;
        size_t resume;
    };
    std::vector<TraceSegment> segments;
    std::vector<IncludeFrame> stack;
    std::string file = start;
    size_t from = 0;
    for (;;) {
        const ScanCache::ScanPtr scan = ScanOf(file);
        if (!scan)
            break;
        size_t end = scan->length;
        std::string next;
        for (const SourceScan::Include &include : scan->includes) {
            if (include.directive < from)
                continue;
            const std::string path = Resolve(include.name, file);
            if (path.empty()) {
                Log().Error("%s [%s]", "pre processor tracer couldn't find file.", include.name.c_str());
                complete_ = false;
                segments.push_back({file, from, include.directive});
                return segments;
            }
            // A file already being read would be read again without end: it adds nothing new.
            bool reading = SamePath(path, file);
            for (const IncludeFrame &frame : stack)
                reading = reading || SamePath(path, frame.file);
            if (reading)
                continue;
            end = include.directive;
            next = path;
            stack.push_back({file, include.resume});
            break;
        }
        segments.push_back({file, from, end});
        if (!next.empty()) {
            file = next;
            from = 0;
        } else if (!stack.empty()) {
            file = stack.back().file;
            from = stack.back().resume;
            stack.pop_back();
        } else {
            break;
        }
    }
    return segments;
}

std::vector<TraceSegment> PreProcessorTracer::TraceFor(const std::string &current, const std::string &entry) {
    if (current.empty() || entry.empty() || SamePath(current, entry))
        return Trace(current);
    std::vector<TraceSegment> fromEntry = Trace(entry);
    for (const TraceSegment &segment : fromEntry)
        if (SamePath(segment.file, current))
            return fromEntry;
    return Trace(current);
}

bool PreProcessorTracer::FindDefinition(const std::string &current, const std::string &entry, SourceLocation &result,
                                        const SourceLocation &caret) {
    result = caret;
    Document *view = ViewOf(caret.file);
    if (!view) {
        Log().Error("%s [%s]", "pre processor tracer couldn't open source file.", caret.file.c_str());
        return false;
    }
    if (view->GetLexer() != VSLEX_HSP)
        return false;
    const Vessary::Position length = view->GetLength();
    const Vessary::Position at = caret.position < 0 ? 0 : (caret.position > length ? length : caret.position);
    const Vessary::Position start = view->WordStartPosition(at, true);
    const Vessary::Position end = view->WordEndPosition(at, true);
    // A caret just behind a word belongs to it, as a double click leaves it.
    const Vessary::Position probe = end == at && start < at ? at - 1 : at;
    view->EnsureStyledTo(probe + 1);
    const int style = view->GetStyleAt(probe);
    if (NeverFound(style) || start >= end)
        return false;
    // No name is longer: a longer word is none, not the name its first bytes spell.
    if (static_cast<size_t>(end - start) > longestWord)
        return false;
    const std::string word = SourceScan::Lower(view->GetTextRange(start, end));
    return Search(TraceFor(current, entry), style == VSHSP_LABELREF, word, result);
}

bool PreProcessorTracer::Search(const std::vector<TraceSegment> &segments, bool label, const std::string &word,
                                SourceLocation &result) {
    for (const TraceSegment &segment : segments) {
        const ScanCache::ScanPtr scan = ScanOf(segment.file);
        if (!scan)
            continue;
        if (label) {
            for (const SourceScan::Label &found : scan->labels) {
                if (segment.Holds(found.asterisk) && SourceScan::Lower(found.text.substr(1)) == word) {
                    result = {segment.file, static_cast<intptr_t>(found.asterisk + 1)};
                    return true;
                }
            }
            continue;
        }
        for (const SourceScan::Definition &found : scan->definitions) {
            if (segment.Holds(found.directive) && found.lowerName == word) {
                result = {segment.file, static_cast<intptr_t>(found.lastCharacter)};
                return true;
            }
        }
    }
    return false;
}

ScanCache::ScanPtr PreProcessorTracer::ScanOf(const std::string &file) {
    const auto known = read_.find(file);
    const ScanCache::ScanPtr scan = known != read_.end() ? known->second : (read_[file] = Read(file));
    consulted_[file] = stamps_[file];
    return scan;
}

ScanCache::ScanPtr PreProcessorTracer::Read(const std::string &file) {
    Document *open = file.empty() ? context_.active : OpenDocument(file);
    const ScanCache::Stamp stamp = Current(file);
    stamps_[file] = stamp;
    if (!stamp.exists) {
        Log().Error("%s [%s]", "pre processor tracer couldn't find file.", file.c_str());
        complete_ = false;
        return nullptr;
    }
    if (ScanCache::ScanPtr kept = cache_.Find(file, stamp))
        return kept;
    ScanCache::ScanPtr scan = open ? ScanView(*open) : ScanFile(file);
    if (scan)
        cache_.Store(file, stamp, scan);
    return scan;
}

ScanCache::ScanPtr PreProcessorTracer::ScanFile(const std::string &file) {
    Document &hidden = Hidden();
    if (!hidden.Exists() || !hidden.ReadFile(file.c_str())) {
        Log().Error("%s [%s]", "pre processor tracer couldn't open file.", file.c_str());
        complete_ = false;
        return nullptr;
    }
    hidden.Colourise(0, -1);
    return std::make_shared<const FileScan>(SourceScan::Scan(ViewText(hidden)));
}

ScanCache::ScanPtr PreProcessorTracer::ScanView(Document &view) {
    if (view.GetLexer() == VSLEX_HSP)
        return std::make_shared<const FileScan>(SourceScan::Scan(ViewText(view)));
    // Another language's styles say nothing of HSP: the text is coloured as HSP aside.
    const Vessary::Position length = view.GetLength();
    Document &hidden = Hidden();
    hidden.ClearAll();
    hidden.SetUndoCollection(false);
    hidden.AddText(length > 0 ? view.CharacterPointer() : "", length);
    hidden.Colourise(0, -1);
    return std::make_shared<const FileScan>(SourceScan::Scan(ViewText(hidden)));
}

ScanCache::Stamp PreProcessorTracer::Current(const std::string &path) const {
    ScanCache::Stamp stamp;
    if (Document *open = path.empty() ? context_.active : OpenDocument(path)) {
        const Vessary::Position length = open->GetLength();
        const std::string_view text(length > 0 ? open->CharacterPointer() : "", static_cast<size_t>(length));
        stamp.fromView = true;
        stamp.size = text.size();
        stamp.version = std::hash<std::string_view>()(text);
        return stamp;
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        stamp.exists = false;
        return stamp;
    }
    stamp.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.version = (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    return stamp;
}

// A file made or removed in a folder an include was looked for in may change what it names.
void PreProcessorTracer::Consult(const std::string &folder) {
    if (consulted_.find(folder) == consulted_.end())
        consulted_[folder] = Current(folder);
}

std::string PreProcessorTracer::Resolve(const std::string &name, const std::string &includer) {
    const std::string here = context_.active ? context_.active->path.DirectoryPart() : "";
    std::vector<std::string> candidates;
    if (!PathIsRelativeA(name.c_str()))
        candidates = {name};
    else if (HasSeparator(name))
        candidates = {here + name};
    else {
        candidates.push_back(here + name);
        if (!includer.empty())
            candidates.push_back(DirectoryOf(includer) + name);
        if (!context_.home.empty())
            candidates.push_back(context_.home + "common\\" + name);
    }
    for (const std::string &candidate : candidates) {
        Consult(DirectoryOf(candidate));
        if (Exists(candidate))
            return Canonical(candidate);
    }
    return std::string();
}

// One spelling per file, the one the editor uses when the file is open, so that a found place
// opens the document already showing it.
std::string PreProcessorTracer::Canonical(const std::string &path) const {
    char full[MAX_PATH] = "";
    char canonical[MAX_PATH] = "";
    if (!GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr))
        lstrcpynA(full, path.c_str(), MAX_PATH);
    if (!PathCanonicalizeA(canonical, full))
        lstrcpynA(canonical, full, MAX_PATH);
    if (const Document *open = OpenDocument(canonical))
        return open->path.Full();
    return canonical;
}

Document *PreProcessorTracer::OpenDocument(const std::string &path) const {
    for (Document *document : context_.documents)
        if (document && !document->IsUntitled() && SamePath(document->path.Full(), path))
            return document;
    return nullptr;
}

Document *PreProcessorTracer::ViewOf(const std::string &file) {
    if (file.empty())
        return context_.active;
    if (context_.active && SamePath(context_.active->path.Full(), file))
        return context_.active;
    if (Document *open = OpenDocument(file))
        return open;
    Document &hidden = Hidden();
    if (!hidden.Exists() || !hidden.ReadFile(file.c_str()))
        return nullptr;
    hidden.Colourise(0, -1);
    return &hidden;
}

Document &PreProcessorTracer::Hidden() {
    if (!hidden_) {
        hidden_ = std::make_unique<Document>();
        if (hidden_->Create(context_.parent, -1, nullptr)) {
            ConfigureForAnalysis(*hidden_);
            hidden_->SetUndoCollection(false);
            // No one listens, and a notice per coloured line would cost more than the colouring.
            hidden_->SetModEventMask(0);
        }
    }
    return *hidden_;
}
