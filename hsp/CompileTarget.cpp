#include "hsp/CompileTarget.h"

#include <string>

#include "editor/Document.h"
#include "frame/Workbench.h"
#include "project/ProjectQuery.h"

CompileTarget CompileTarget::Choose(Workbench &workbench) {
    CompileTarget target;
    const Document *document = workbench.Current();
    if (document && !document->IsUntitled())
        target.path = document->path;
    const ProjectQuery *project = workbench.Find<ProjectQuery>();
    if (!project || !project->IsProjectOpen())
        return target;
    const std::string entry = project->EntryPoint();
    const bool untitledAndUnmodified = document && document->IsUntitled() && !document->IsModified();
    if (project->ContainsFile(target.path.Full()) || untitledAndUnmodified) {
        if (!entry.empty())
            target.path.Set(entry.c_str());
        target.saveAll = project->SaveAllBeforeCompile();
    } else {
        target.saveAll = !entry.empty() && entry == target.path.Full() && project->SaveAllBeforeCompile();
    }
    return target;
}
