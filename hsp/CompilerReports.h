// What a failed compile leads to: the compiler's report (kept until the next one), the first
// error marked in its document, and the report dialog, whose message lines lead to the files
// and lines they name. The script compiled from a document is read as "hsptmp" (or as the
// target's name), so those names lead back to that document.
#pragma once

#include <windows.h>

#include <string>

#include "hsp/ErrorMark.h"

class Document;
class Workbench;
struct CompileResult;
struct CompileTarget;
struct SCNotification;

namespace CompilerText {
struct Location;
}

// Where a compile's messages came from: the target's path (empty when untitled) and the
// document whose text was compiled (may be null).
struct ReportOrigin {
    std::string target;
    HWND sourceView = nullptr;
};

class CompilerReports {
public:
    explicit CompilerReports(Workbench &workbench) : workbench_(workbench) {}

    // A compile that ran clean takes the error mark away; one that failed with a report is shown.
    void AfterCompile(const CompileTarget &target, const CompileResult &result);
    // Keeps the report, marks its first error and opens the report dialog over owner.
    void Show(HWND owner, const std::string &version, const std::string &messages, const ReportOrigin &origin);
    // Opens the file a message line names at its line; false when it names none that exists.
    bool GoTo(const ReportOrigin &origin, const std::string &messageLine);
    void OnEditNotification(Document &view, const SCNotification &notification);

    const std::string &Version() const { return version_; }
    const std::string &Messages() const { return messages_; }
    ErrorMark &Mark() { return mark_; }

private:
    // The document a location is in: found among the open ones, or opened when open is set.
    Document *DocumentAt(const ReportOrigin &origin, const CompilerText::Location &location, bool open);
    Document *OpenDocument(const std::string &path, bool open);
    void MarkFirstError(const ReportOrigin &origin);

    Workbench &workbench_;
    ErrorMark mark_;
    std::string version_;
    std::string messages_;
};
