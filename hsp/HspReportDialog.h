// The compiler's report after a failed compile: its version and its messages. Double-clicking a
// message line that names a file and a line leads there and closes the report.
#pragma once

#include <functional>
#include <string>

#include "framework/Dialog.h"
#include "framework/Font.h"
#include "hsp/ReportMessagesEdit.h"
#include "resources/resource.h"

class HspReportDialog : public Dialog {
public:
    static constexpr int TemplateId = IDD_HSP_REPORT;
    // goTo: leads to the place a message line names; false when it names none.
    HspReportDialog(std::string version, std::string messages, std::function<bool(const std::string &line)> goTo);

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;
    INT_PTR OnCtlColorStatic(HDC dc, HWND control) override;

private:
    void OnMessageDoubleClicked(const std::string &line);

    std::string version_;
    std::string messages_;
    std::function<bool(const std::string &line)> goTo_;
    Font font_;
    ReportMessagesEdit messageEdit_;
};
