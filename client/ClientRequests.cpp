#include "client/ClientRequests.h"

#include <windows.h>

#include <cstdint>

#include "Scintilla.h"

#include "app/System.h"
#include "editor/Document.h"
#include "editor/DocumentView.h"
#include "editor/EditControlId.h"
#include "frame/Workbench.h"
#include "framework/Desktop.h"
#include "framework/FileBytes.h"
#include "framework/Path.h"
#include "framework/ProgramDirectory.h"
#include "hsp/HspServices.h"
#include "log/Logger.h"
#include "project/ProjectQuery.h"
#include "sdk/TamborelProtocol.h"
#include "settings/LexerCommon.h"
#include "settings/LexerHsp.h"
#include "settings/Setting.h"

namespace {

using Answer = std::optional<std::string>;
using Position = Vessary::Position;
namespace Codes = TamborelProtocol::ToEditor;

struct Call {
    Workbench &workbench;
    const ClientWire::Request &request;
    Document *document;
    int index;

    const std::string &Text(int parameter) const { return request.parameters[parameter]; }
    long long Number(int parameter) const { return ClientWire::Number(request.parameters[parameter]); }
    // The edit component itself refuses what lies outside the text.
    Position At(int parameter) const { return ClientWire::Position(request.parameters[parameter]); }
    Document &Doc() const { return *document; }
};

Answer Number(long long value) { return std::to_string(value); }
Answer Flag(bool value) { return std::string(value ? "1" : "0"); }
Answer Done() { return std::nullopt; }

int HandleNumber(HWND window) { return static_cast<int>(reinterpret_cast<intptr_t>(window)); }
Answer IndexReference(int index) { return "<I>" + std::to_string(index); }
Answer HandleReference(HWND window) { return "<H>" + std::to_string(HandleNumber(window)); }

LexerHsp &Hsp() { return System::Get().Settings().Hsp(); }
LexerCommon &Common() { return System::Get().Settings().Common(); }

Answer ShowMessage(Call &call) {
    const UINT style = static_cast<UINT>(call.Number(2));
    return Number(Desktop::Get().ShowMessage(call.workbench.Handle(), call.Text(0).c_str(), call.Text(1).c_str(), style));
}

Answer Wait(Call &call) {
    const long long asked = call.Number(0);
    Sleep(static_cast<DWORD>(asked < 0 ? 0 : asked > ClientRequests::WaitLimit ? ClientRequests::WaitLimit : asked));
    return Done();
}

Answer ShowReport(Call &call) {
    if (HspServices *hsp = call.workbench.Find<HspServices>())
        hsp->ShowCompilerReport(call.workbench.Handle(), call.Text(0), call.Text(1));
    return Done();
}

template <class Result> Answer FromProject(Call &call, Result (ProjectQuery::*query)() const, Answer (*format)(Result)) {
    const ProjectQuery *project = call.workbench.Find<ProjectQuery>();
    return format(project ? (project->*query)() : Result());
}
Answer Text(std::string text) { return text; }

Answer FindPath(Call &call) {
    const int index = call.workbench.Documents().IndexOfPath(call.Text(0).c_str());
    return index < 0 ? Done() : IndexReference(index);
}

Answer FindIndex(Call &call) {
    const long long index = call.Number(0);
    return index >= 0 && index < call.workbench.Documents().Count() ? IndexReference(static_cast<int>(index)) : Done();
}

// The frame learns of a change of the modified state from the edit control's notification; a
// client's "mark modified" tells it the same way, since the control has no such call.
Answer SetModified(Call &call) {
    if (call.Number(1) == 0) {
        call.Doc().SetSavePoint();
        return Done();
    }
    SCNotification notification{};
    notification.nmhdr.hwndFrom = call.Doc().GetHandle();
    notification.nmhdr.idFrom = EditControlId;
    notification.nmhdr.code = SCN_SAVEPOINTLEFT;
    SendMessageA(call.workbench.Handle(), WM_NOTIFY, EditControlId, reinterpret_cast<LPARAM>(&notification));
    return Done();
}

// At most what the answer block holds, however long a text the client asked for.
Answer GetText(Call &call) {
    const long long room = static_cast<long long>(TamborelProtocol::BlockSize - 1);
    return call.Doc().GetTextRange(0, static_cast<Position>(ClientWire::TextLength(call.At(1), call.Doc().GetLength(), room)));
}

Answer InsertCharacter(Call &call) {
    const std::string text = ClientWire::Character(call.Number(2));
    if (!text.empty())
        call.Doc().InsertText(call.At(1), text.c_str());
    return Done();
}

// The file's bytes as they are, as when a document is opened, in one undoable step.
Answer ReadFromFile(Call &call) {
    std::string bytes;
    const std::string &path = call.Text(1);
    if (FileBytes::Read(path.c_str(), bytes) != FileBytes::ReadState::Read) {
        System::Get().GetLogger().Warn("%s [%s]", "couldn't read file for client.", path.c_str());
        return Done();
    }
    Document &document = call.Doc();
    document.BeginUndoAction();
    document.ClearAll();
    document.AddText(bytes.data(), static_cast<Position>(bytes.size()));
    document.EndUndoAction();
    return Done();
}

Answer SetLanguage(Call &call) {
    const Path named(("x." + call.Text(1)).c_str());
    call.workbench.SetDocumentLanguage(call.index, named.FileType());
    return Done();
}

enum class Scope { Global, Document };

struct Route {
    unsigned code;
    Scope scope;
    Answer (*handler)(Call &call);
};

const Route routes[] = {
    {Codes::ProgramDirectory, Scope::Global, [](Call &) { return Text(ProgramDirectory()); }},
    {Codes::ShowMessage, Scope::Global, ShowMessage},
    {Codes::Wait, Scope::Global, Wait},
    {Codes::ShowReport, Scope::Global, ShowReport},
    {Codes::HomeValid, Scope::Global, [](Call &call) {
         const HspServices *hsp = call.workbench.Find<HspServices>();
         return Flag(hsp && hsp->HomeValid());
     }},
    {Codes::HomeDirectory, Scope::Global, [](Call &) { return Text(Hsp().homeDirectory); }},
    {Codes::ProjectOpen, Scope::Global, [](Call &call) { return FromProject<bool>(call, &ProjectQuery::IsProjectOpen, Flag); }},
    {Codes::ProjectContains, Scope::Global, [](Call &call) {
         const ProjectQuery *project = call.workbench.Find<ProjectQuery>();
         return Flag(project && project->ContainsFile(call.Text(0).c_str()));
     }},
    {Codes::CloseProject, Scope::Global, [](Call &call) {
         if (ProjectQuery *project = call.workbench.Find<ProjectQuery>())
             project->CloseProject();
         return Done();
     }},
    {Codes::EntryPoint, Scope::Global, [](Call &call) { return FromProject<std::string>(call, &ProjectQuery::EntryPoint, Text); }},
    {Codes::SaveAllFlag, Scope::Global, [](Call &call) { return FromProject<bool>(call, &ProjectQuery::SaveAllBeforeCompile, Flag); }},
    {Codes::DefaultDirectory, Scope::Global, [](Call &) { return Text(Common().defaultDirectory); }},
    {Codes::DebugCommandLine, Scope::Global, [](Call &) { return Text(Hsp().debugCommandline); }},
    {Codes::DebugWindow, Scope::Global, [](Call &) { return Flag(Hsp().enableDebugWindow); }},
    {Codes::ActiveIndex, Scope::Global, [](Call &call) { return IndexReference(call.workbench.CurrentIndex()); }},
    {Codes::ActiveHandle, Scope::Global, [](Call &call) {
         Document *current = call.workbench.Current();
         return current ? HandleReference(current->GetHandle()) : Done();
     }},
    {Codes::DocumentCount, Scope::Global, [](Call &call) { return Number(call.workbench.Documents().Count()); }},
    {Codes::FindPath, Scope::Global, FindPath},
    {Codes::FindIndex, Scope::Global, FindIndex},
    {Codes::NewDocument, Scope::Global, [](Call &call) { return Number(call.workbench.NewDocument()); }},
    {Codes::LogLevel, Scope::Global, [](Call &) { return Number(System::Get().GetLogger().level); }},
    {Codes::SetLogLevel, Scope::Global, [](Call &call) {
         System::Get().GetLogger().level = static_cast<unsigned short>(call.Number(0));
         return Done();
     }},

    {Codes::HandleOf, Scope::Document, [](Call &call) { return HandleReference(call.Doc().GetHandle()); }},
    {Codes::IndexOf, Scope::Document, [](Call &call) { return IndexReference(call.index); }},
    {Codes::Activate, Scope::Document, [](Call &call) {
         call.workbench.Select(call.index);
         return Done();
     }},
    {Codes::HasFile, Scope::Document, [](Call &call) { return Flag(!call.Doc().IsUntitled()); }},
    {Codes::DocumentPath, Scope::Document, [](Call &call) { return Text(call.Doc().path.Full()); }},
    {Codes::CaretLine, Scope::Document, [](Call &call) { return Number(call.Doc().LineFromPosition(call.Doc().GetCurrentPos())); }},
    {Codes::LineCount, Scope::Document, [](Call &call) { return Number(call.Doc().GetLineCount()); }},
    // The line's length without its line end.
    {Codes::LineLength, Scope::Document, [](Call &call) {
         const Position line = call.At(1);
         const Position start = call.Doc().PositionFromLine(line);
         return start < 0 ? Number(0) : Number(call.Doc().GetLineEndPosition(line) - start);
     }},
    {Codes::CaretPosition, Scope::Document, [](Call &call) { return Number(call.Doc().GetCurrentPos()); }},
    {Codes::LineStart, Scope::Document, [](Call &call) { return Number(call.Doc().PositionFromLine(call.At(1))); }},
    {Codes::LineEnd, Scope::Document, [](Call &call) { return Number(call.Doc().GetLineEndPosition(call.At(1))); }},
    {Codes::Length, Scope::Document, [](Call &call) { return Number(call.Doc().GetLength()); }},
    {Codes::HasSelection, Scope::Document, [](Call &call) {
         return Flag(call.Doc().GetSelectionStart() != call.Doc().GetSelectionEnd());
     }},
    {Codes::CanPaste, Scope::Document, [](Call &call) { return Flag(call.Doc().CanPaste()); }},
    {Codes::CanUndo, Scope::Document, [](Call &call) { return Flag(call.Doc().CanUndo()); }},
    {Codes::CanRedo, Scope::Document, [](Call &call) { return Flag(call.Doc().CanRedo()); }},
    {Codes::IsModified, Scope::Document, [](Call &call) { return Flag(call.Doc().IsModified()); }},
    {Codes::SetModified, Scope::Document, SetModified},
    {Codes::IsReadOnly, Scope::Document, [](Call &call) { return Flag(call.Doc().GetReadOnly()); }},
    {Codes::SetReadOnly, Scope::Document, [](Call &call) {
         call.Doc().SetReadOnly(call.Number(1) != 0);
         return Done();
     }},
    {Codes::GetText, Scope::Document, GetText},
    {Codes::SetText, Scope::Document, [](Call &call) {
         call.Doc().SetText(call.Text(1).c_str());
         return Done();
     }},
    {Codes::InsertCharacter, Scope::Document, InsertCharacter},
    {Codes::InsertText, Scope::Document, [](Call &call) {
         call.Doc().InsertText(call.At(1), call.Text(2).c_str());
         return Done();
     }},
    {Codes::AppendText, Scope::Document, [](Call &call) {
         call.Doc().InsertText(call.Doc().GetTextLength(), call.Text(1).c_str());
         return Done();
     }},
    {Codes::WriteToFile, Scope::Document, [](Call &call) {
         call.workbench.WriteDocument(call.Doc(), call.Text(1).c_str());
         return Done();
     }},
    {Codes::ReadFromFile, Scope::Document, ReadFromFile},
    {Codes::SetLanguage, Scope::Document, SetLanguage},
    {Codes::StyleAt, Scope::Document, [](Call &call) { return Number(call.Doc().GetStyleAt(call.At(1))); }},
};

// Requests that only pass one edit-component call on, in code order.
struct Action {
    unsigned code;
    void (Vessary::*call)();
};
const Action actions[] = {
    {Codes::BeginUndoAction, &Vessary::BeginUndoAction}, {Codes::EndUndoAction, &Vessary::EndUndoAction},
    {Codes::EmptyUndoBuffer, &Vessary::EmptyUndoBuffer}, {Codes::Cut, &Vessary::Cut},
    {Codes::Copy, &Vessary::Copy}, {Codes::Paste, &Vessary::Paste},
    {Codes::Undo, &Vessary::Undo}, {Codes::Redo, &Vessary::Redo},
    {Codes::SelectAll, &Vessary::SelectAll}, {Codes::ClearAll, &Vessary::ClearAll},
};

// The index of the open document a reference names, or -1.
int Resolve(DocumentView &documents, const ClientWire::DocumentReference &reference) {
    switch (reference.kind) {
    case ClientWire::DocumentReference::Index:
        return reference.value >= 0 && reference.value < documents.Count() ? static_cast<int>(reference.value) : -1;
    case ClientWire::DocumentReference::Handle:
        for (int i = 0; i < documents.Count(); ++i)
            if (HandleNumber(documents.At(i)->GetHandle()) == reference.value)
                return i;
        return -1;
    default:
        return -1;
    }
}

}

std::optional<std::string> ClientRequests::Perform(unsigned code, const ClientWire::Request &request) {
    Document *document = nullptr;
    auto target = [&]() {
        const int index = Resolve(workbench_.Documents(), ClientWire::Reference(request.parameters[0]));
        document = workbench_.Documents().At(index);
        return index;
    };
    for (const Action &action : actions) {
        if (action.code == code) {
            target();
            if (document)
                (document->*action.call)();
            return std::nullopt;
        }
    }
    for (const Route &route : routes) {
        if (route.code != code)
            continue;
        Call call{workbench_, request, nullptr, -1};
        if (route.scope == Scope::Document) {
            call.index = target();
            call.document = document;
            if (!document)
                return std::nullopt;
        }
        return route.handler(call);
    }
    return std::nullopt;
}
