#include "app/Report.h"

#include "app/System.h"
#include "framework/Desktop.h"
#include "log/Logger.h"

namespace {

ReportLevel LevelOf(const Report &report) {
    if (report.level != ReportLevel::FromIcon)
        return report.level;
    switch (report.box & MB_ICONMASK) {
    case MB_ICONERROR: return ReportLevel::Error;
    case MB_ICONWARNING: return ReportLevel::Warning;
    default: return ReportLevel::Information;
    }
}

void Log(const Report &report) {
    Logger &logger = System::Get().GetLogger();
    void (Logger::*write)(const char *, ...) = &Logger::Info;
    switch (LevelOf(report)) {
    case ReportLevel::Fatal: write = &Logger::Fatal; break;
    case ReportLevel::Error: write = &Logger::Error; break;
    case ReportLevel::Warning: write = &Logger::Warn; break;
    case ReportLevel::Debug: write = &Logger::Debug; break;
    default: break;
    }
    if (report.detail)
        (logger.*write)("%s [%s]", report.message, report.detail);
    else
        (logger.*write)("%s", report.message);
}

}

int Tell(HWND owner, const Report &report) {
    if (report.message)
        Log(report);
    return Desktop::Get().ShowMessage(owner, report.text, programCaption, report.box);
}
