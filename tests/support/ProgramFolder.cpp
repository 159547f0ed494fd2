#include "support/ProgramFolder.h"

#include "support/TestFiles.h"

namespace {
std::string Section(const std::string &style, const std::string &event) {
    return "<?xml version=\"1.0\" ?>\r\n<body>\r\n<style>" + style + "</style>\r\n<event>" + event + "</event>\r\n</body>\r\n";
}
}

ProgramFolder::ProgramFolder(bool homePrompt) : folder_(TestFiles::MakeTempFolder("tamborel-run")) {
    TestFiles::CopyProgram(folder_, true);
    if (!homePrompt)
        WriteHsp("", "<type id=\"open\"><property id=\"home_prompt\">no</property></type>");
}

ProgramFolder::~ProgramFolder() { TestFiles::RemoveTree(folder_); }

void ProgramFolder::WriteCommon(const std::string &style, const std::string &event) const {
    TestFiles::Write(folder_ + "lexer\\_common.xml", Section(style, event));
}

void ProgramFolder::WriteHsp(const std::string &style, const std::string &event) const {
    TestFiles::Write(folder_ + "lexer\\hsp.xml", Section(style, event));
}

std::string ProgramFolder::Log() const { return TestFiles::Read(folder_ + "log\\Tamborel1.log"); }
