// The keyword lists and tables built at run time: the Win32 API and plug-in lists, the user
// keyword lists, the completion lists and the code-tip tables. Each of the last three comes
// twice: the global one from the program's lexer\_common.* files, and the project's, which is
// the same files followed by the project's own.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/Object.h"
#include "language/KeywordFiles.h"

class Vessary;

// The keyword files of the open project, each kind in the project's order.
struct ProjectKeywordFiles {
    std::vector<std::string> keywordFiles;
    std::vector<std::string> completionFiles;
    std::vector<std::string> codeTipFiles;
};

class KeywordTables : public Object {
public:
    // The program's tables, shared by every view of the process.
    static KeywordTables &Shared();

    // Creates the view; the first call of the run then builds every list and table. Later
    // calls only count the views.
    bool PrepareKeywords(Vessary &view, HWND parent, int index, void *param);
    // Builds each user keyword list that does not exist yet, or both when forced.
    void RebuildUserKeywords(bool force, const ProjectKeywordFiles *project);
    // Rebuilds the user lists, completion lists and code-tip tables from the files. The owner of
    // the open documents then decides their project membership again and configures each.
    void ReloadKeywords(const ProjectKeywordFiles *project);

    // The views PrepareKeywords created.
    int ViewsPrepared() const { return viewsPrepared_; }

    // Lower-case words, each followed by a blank.
    const std::string &Win32Api() const { return win32Api_; }
    const std::string &Plugins() const { return plugins_; }
    const std::string &UserKeywords(bool project) const { return (project ? projectUser_ : globalUser_).value; }
    // Sorted distinct words separated by single blanks.
    const std::string &CompletionList(bool project) const {
        return (project ? projectCompletion_ : globalCompletion_).value;
    }
    const CodeTipTable &CodeTips(bool project) const { return (project ? projectCodeTips_ : globalCodeTips_).value; }

private:
    template <typename T> struct Built {
        bool built = false;
        T value;
    };

    void BuildCompletionAndCodeTips(bool force, const ProjectKeywordFiles *project);
    template <typename T, typename Read>
    static void Build(Built<T> &target, bool force, const std::vector<std::string> &files, Read read);

    bool prepared_ = false;
    int viewsPrepared_ = 0;
    std::string win32Api_;
    std::string plugins_;
    Built<std::string> globalUser_;
    Built<std::string> projectUser_;
    Built<std::string> globalCompletion_;
    Built<std::string> projectCompletion_;
    Built<CodeTipTable> globalCodeTips_;
    Built<CodeTipTable> projectCodeTips_;
};
