#include "language/KeywordTables.h"

#include "editor/Vessary.h"
#include "framework/ProgramDirectory.h"
#include "language/GeneratedKeywords.h"

namespace {

// The program's own keyword file of a kind, then the project's files of that kind.
std::vector<std::string> Files(const char *commonName, const std::vector<std::string> *projectFiles) {
    std::vector<std::string> files{std::string(ProgramDirectory()) + "lexer\\" + commonName};
    if (projectFiles)
        files.insert(files.end(), projectFiles->begin(), projectFiles->end());
    return files;
}

const std::vector<std::string> *Of(const ProjectKeywordFiles *project, std::vector<std::string> ProjectKeywordFiles::*kind) {
    return project ? &(project->*kind) : nullptr;
}

}

KeywordTables &KeywordTables::Shared() {
    static KeywordTables tables;
    return tables;
}

template <typename T, typename Read>
void KeywordTables::Build(Built<T> &target, bool force, const std::vector<std::string> &files, Read read) {
    if (target.built && !force)
        return;
    target.value = read(files);
    target.built = true;
}

bool KeywordTables::PrepareKeywords(Vessary &view, HWND parent, int index, void *param) {
    // The view's own creation, not an override: a document's Create comes here.
    const bool created = view.Vessary::Create(parent, index, param);
    if (created)
        ++viewsPrepared_;
    if (prepared_)
        return created;
    prepared_ = true;
    plugins_.clear();
    for (int i = 0; i < PluginKeywords::groupCount; ++i)
        plugins_ += PluginKeywords::groups[i].text;
    win32Api_.clear();
    for (int i = 0; i < Win32ApiKeywords::libraryCount; ++i)
        win32Api_ += Win32ApiKeywords::libraries[i].text;
    RebuildUserKeywords(false, nullptr);
    BuildCompletionAndCodeTips(false, nullptr);
    return created;
}

void KeywordTables::RebuildUserKeywords(bool force, const ProjectKeywordFiles *project) {
    Build(globalUser_, force, Files("_common.kw", nullptr), KeywordFiles::ReadKeywordList);
    Build(projectUser_, force, Files("_common.kw", Of(project, &ProjectKeywordFiles::keywordFiles)),
          KeywordFiles::ReadKeywordList);
}

void KeywordTables::BuildCompletionAndCodeTips(bool force, const ProjectKeywordFiles *project) {
    Build(globalCompletion_, force, Files("_common.cc", nullptr), KeywordFiles::ReadCompletionList);
    Build(projectCompletion_, force, Files("_common.cc", Of(project, &ProjectKeywordFiles::completionFiles)),
          KeywordFiles::ReadCompletionList);
    Build(globalCodeTips_, force, Files("_common.ct", nullptr), KeywordFiles::ReadCodeTips);
    Build(projectCodeTips_, force, Files("_common.ct", Of(project, &ProjectKeywordFiles::codeTipFiles)),
          KeywordFiles::ReadCodeTips);
}

void KeywordTables::ReloadKeywords(const ProjectKeywordFiles *project) {
    RebuildUserKeywords(true, project);
    BuildCompletionAndCodeTips(true, project);
}
