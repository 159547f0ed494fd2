#include "hsp/CompileScript.h"

#include "app/Report.h"
#include "editor/Document.h"
#include "editor/DocumentView.h"
#include "frame/Workbench.h"
#include "framework/CurrentDirectory.h"
#include "hsp/CompileTarget.h"
#include "hsp/Hsp.h"
#include "project/ProjectQuery.h"

namespace {

INT_PTR Text(const std::string &text) { return reinterpret_cast<INT_PTR>(text.c_str()); }

bool SaveProjectDocuments(Workbench &workbench) {
    const ProjectQuery *project = workbench.Find<ProjectQuery>();
    DocumentView &documents = workbench.Documents();
    for (int i = 0; project && i < documents.Count(); ++i) {
        const Document *document = documents.At(i);
        if (document->IsModified() && !document->IsUntitled() && project->ContainsFile(document->path.Full()) &&
            !workbench.Save(i))
            return false;
    }
    return true;
}

// The open document holding the target's text: the one with its path, or the current one when
// the target is untitled.
Document *SourceDocument(Workbench &workbench, const CompileTarget &target) {
    if (!target.path.FilePart()[0])
        return workbench.Current();
    return workbench.Documents().At(workbench.Documents().IndexOfPath(target.path.Full()));
}

// A stale "hsptmp" must never be compiled in place of the text asked for: when it cannot be
// written, nothing is compiled.
bool WriteTemporaryCopy(Workbench &workbench, const CompileTarget &target, const std::string &temporary,
                        CompileResult &result) {
    if (Document *source = SourceDocument(workbench, target)) {
        result.sourceView = source->GetHandle();
        return workbench.WriteDocument(*source, temporary.c_str());
    }
    if (CopyFileA(target.path.Full(), temporary.c_str(), FALSE))
        return true;
    const std::string text = std::string(target.path.Full()) + "\r\n" + "コンパイルするファイルを読み込めませんでした";
    Tell(workbench.Handle(), {"couldn't copy the script to compile.", target.path.Full(), text.c_str(), MB_ICONERROR});
    return false;
}

bool Compile(const Hsp &hsp, const std::string &home, const CompileTarget &target, const CompileRequest &request) {
    const std::string source = std::string(target.path.DirectoryPart()) + request.source;
    const std::string object = request.objectDirectory + request.object;
    hsp.Call(Hsp::hsc_ini, 0, Text(source));
    hsp.Call(Hsp::hsc_refname, 0, Text(target.path.FilePart()));
    hsp.Call(Hsp::hsc_objname, 0, Text(object));
    hsp.Call(Hsp::hsc_compath, 0, Text(home + "common\\"));
    return hsp.Call(Hsp::hsc_comp, 0, request.makeExecutable ? 4 : 0) == 0;
}

// The runtime the script names (#runtime), else hsp3.exe, started with the object file.
bool Run(const Hsp &hsp, const std::string &home, const std::string &object) {
    char runtime[260] = "";
    hsp.Call(Hsp::hsc3_getruntime, reinterpret_cast<INT_PTR>(runtime), Text(object));
    runtime[sizeof runtime - 1] = '\0';
    const std::string commandLine = home + (runtime[0] ? runtime : "hsp3.exe") + " \"" + object + "\"";
    return hsp.Call(Hsp::hsc3_run, Text(commandLine)) == 0;
}

}

CompileResult CompileScript(Workbench &workbench, const Hsp &hsp, const std::string &home, const CompileTarget &target,
                            const CompileRequest &request) {
    CompileResult result;
    if (request.saveAll && !SaveProjectDocuments(workbench))
        return result;
    if (request.temporaryCopy &&
        !WriteTemporaryCopy(workbench, target, std::string(target.path.DirectoryPart()) + "hsptmp", result))
        return result;
    const CurrentDirectory folder(target.path.DirectoryPart());
    result.compiled = Compile(hsp, home, target, request);
    if (!result.compiled) {
        if (request.report) {
            result.version = hsp.Version();
            result.messages = hsp.Messages();
            result.reported = true;
        }
        return result;
    }
    // Runs and executables only ever come from the object this compile wrote: after a failed
    // compile the object file on disk is an older one.
    result.succeeded = true;
    if (request.run)
        result.succeeded = Run(hsp, home, request.objectDirectory + request.object);
    if (request.makeExecutable)
        result.succeeded = hsp.Call(Hsp::hsc3_make, 0, Text(home)) == 0;
    return result;
}
