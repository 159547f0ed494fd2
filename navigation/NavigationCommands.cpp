#include "navigation/NavigationCommands.h"

#include <algorithm>
#include <new>
#include <string_view>

#include "Scintilla.h"

#include "app/System.h"
#include "editor/Document.h"
#include "editor/DocumentView.h"
#include "frame/CommandState.h"
#include "frame/Workbench.h"
#include "framework/DialogManager.h"
#include "framework/ShiftJis.h"
#include "log/Logger.h"
#include "navigation/JumpDialog.h"
#include "navigation/PreProcessorTracer.h"
#include "project/ProjectQuery.h"
#include "resources/resource.h"
#include "settings/LexerHsp.h"
#include "settings/Setting.h"
#include "vessary/VessaryMessages.h"

namespace {

struct JumpCommand {
    UINT id;
    int tab;
};
const JumpCommand jumpCommands[] = {{IDM_JUMP_POSITION, 0},
                                    {IDM_JUMP_KEYWORD, 1},
                                    {IDM_JUMP_LABEL, 2},
                                    {IDM_JUMP_CHAMELEON_LABEL, 3},
                                    {IDM_JUMP_DEFINITION, 4}};

// The directives whose names completion offers.
const char *const completedKinds[] = {"#deffunc", "#defcfunc", "#func",   "#cfunc", "#cmd",
                                      "#modfunc", "#modcfunc", "#define", "#const", "#enum"};

bool Completed(const std::string &keyword) {
    return std::find_if(std::begin(completedKinds), std::end(completedKinds),
                        [&](const char *kind) { return keyword == kind; }) != std::end(completedKinds);
}

// Both in byte order; the result too, each word once.
std::string Merge(const std::string &list, std::vector<std::string> words) {
    std::sort(words.begin(), words.end());
    std::vector<std::string_view> all;
    for (size_t start = 0; start < list.size();) {
        const size_t end = std::min(list.find(' ', start), list.size());
        if (end > start)
            all.emplace_back(list.data() + start, end - start);
        start = end + 1;
    }
    const size_t listed = all.size();
    all.insert(all.end(), words.begin(), words.end());
    std::inplace_merge(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(listed), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    std::string merged;
    for (const std::string_view word : all) {
        if (!merged.empty())
            merged += ' ';
        merged += word;
    }
    return merged;
}

}

const CommandRoute<NavigationCommands> NavigationCommands::routes[] = {
    {IDM_DEFINITION_REFERENCE, IDM_DEFINITION_REFERENCE, &NavigationCommands::OnReference},
    {IDM_REFERENCE_BACK, IDM_REFERENCE_BACK, &NavigationCommands::OnReference},
    {IDM_JUMP_LABEL, IDM_JUMP_LABEL, &NavigationCommands::OnJump},
    {IDM_JUMP_DEFINITION, IDM_JUMP_DEFINITION, &NavigationCommands::OnJump},
    {IDM_JUMP_POSITION, IDM_JUMP_POSITION, &NavigationCommands::OnJump},
    {IDM_JUMP_KEYWORD, IDM_JUMP_KEYWORD, &NavigationCommands::OnJump},
    {IDM_JUMP_CHAMELEON_LABEL, IDM_JUMP_CHAMELEON_LABEL, &NavigationCommands::OnJump},
};

bool NavigationCommands::OnCommand(UINT id) { return DispatchCommand(routes, *this, id); }

void NavigationCommands::UpdateCommandState(CommandState &state) { state.Enable(IDM_REFERENCE_BACK, !history_.Empty()); }

void NavigationCommands::OnJump(UINT id) {
    for (const JumpCommand &command : jumpCommands)
        if (command.id == id)
            memory_.tab = command.tab;
    workbench_.Dialogs().Open<JumpDialog>(workbench_.Handle(), workbench_, memory_);
}

void NavigationCommands::OnReference(UINT id) {
    try {
        if (id == IDM_DEFINITION_REFERENCE)
            Reference();
        else
            Back();
    } catch (const std::bad_alloc &e) {
        System::Get().GetLogger().Fatal("%s %s", "pre processor tracer couldn't allocate enough memory.", e.what());
        throw;
    }
}

TraceContext NavigationCommands::Context(Document &active) const {
    TraceContext context;
    context.active = &active;
    DocumentView &documents = workbench_.Documents();
    for (int i = 0; i < documents.Count(); ++i)
        context.documents.push_back(documents.At(i));
    context.parent = documents.GetHandle();
    context.home = System::Get().Settings().Hsp().homeDirectory;
    return context;
}

std::string NavigationCommands::EntryPoint() const {
    const ProjectQuery *project = workbench_.Find<ProjectQuery>();
    return project && project->IsProjectOpen() ? project->EntryPoint() : std::string();
}

void NavigationCommands::Reference() {
    Document *view = workbench_.ActiveView();
    if (!view)
        return;
    const SourceLocation here{view->IsUntitled() ? "" : view->path.Full(), view->GetCurrentPos()};
    const TraceContext context = Context(*view);
    SourceLocation found;
    if (!PreProcessorTracer(context, cache_).FindDefinition(here.file, EntryPoint(), found, here))
        return;
    if (found.position == here.position && found.file == here.file)
        return;
    if (!here.file.empty())
        history_.Push(here);
    // '/' is never the second byte of a Shift-JIS character.
    std::replace(found.file.begin(), found.file.end(), '/', '\\');
    GoTo(found);
}

void NavigationCommands::Back() {
    SourceLocation location;
    if (history_.Pop(location))
        GoTo(location);
}

void NavigationCommands::GoTo(const SourceLocation &location) {
    Document *view = workbench_.ActiveView();
    const std::string current = view && !view->IsUntitled() ? view->path.Full() : "";
    if (!view || !SamePath(location.file, current)) {
        if (location.file.empty() || !workbench_.Open(location.file.c_str()))
            return;
        view = workbench_.ActiveView();
        if (!view)
            return;
    }
    const Vessary::Position position = location.position;
    const Vessary::Position start = view->WordStartPosition(position, true);
    const Vessary::Position end = view->WordEndPosition(position, true);
    view->SetYCaretPolicy(CARET_STRICT | CARET_EVEN, 0);
    view->GotoPos(position);
    view->SetYCaretPolicy(CARET_EVEN, 0);
    view->SetSelectionStart(start);
    view->SetSelectionEnd(end);
    view->ScrollCaret();
    view->GrabFocus();
}

std::string NavigationCommands::CompletionList(Document &view, const std::string &list) {
    if (view.GetLexer() != VSLEX_HSP)
        return list;
    const TraceContext context = Context(view);
    PreProcessorTracer tracer(context, cache_);
    std::vector<std::string> words;
    for (const TraceSegment &segment : tracer.TraceFor(view.IsUntitled() ? "" : view.path.Full(), EntryPoint())) {
        const ScanCache::ScanPtr scan = tracer.ScanOf(segment.file);
        if (!scan)
            continue;
        for (const SourceScan::Label &label : scan->labels)
            if (segment.Holds(label.asterisk))
                words.push_back(label.text);
        for (const SourceScan::Definition &definition : scan->definitions)
            if (segment.Holds(definition.directive) && Completed(definition.keyword))
                words.push_back(definition.name);
    }
    return Merge(list, std::move(words));
}

const CodeTip *NavigationCommands::CallTip(Document &view, const char *word, bool again) {
    std::string name = SourceScan::Lower(word ? word : "");
    // "func@module" is func of that module: the tip is the name's.
    const int at = ShiftJis::FindLast(name.c_str(), static_cast<int>(name.size()), '@');
    if (at > 0)
        name.resize(static_cast<size_t>(at));
    if (again && tipFound_ && tip_.keyword == name)
        return &tip_;
    tipFound_ = false;
    if (name.empty() || view.GetLexer() != VSLEX_HSP)
        return nullptr;
    const TraceContext context = Context(view);
    PreProcessorTracer tracer(context, cache_);
    for (const TraceSegment &segment : tracer.TraceFor(view.IsUntitled() ? "" : view.path.Full(), EntryPoint())) {
        const ScanCache::ScanPtr scan = tracer.ScanOf(segment.file);
        if (!scan)
            continue;
        for (const SourceScan::Definition &definition : scan->definitions) {
            if (segment.Holds(definition.directive) && definition.lowerName == name && !definition.tip.text.empty()) {
                tip_ = definition.tip;
                tipFound_ = true;
                return &tip_;
            }
        }
    }
    return nullptr;
}
