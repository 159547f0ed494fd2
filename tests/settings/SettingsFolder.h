// A fresh program folder per test (the built templates, an empty lexer folder, a log folder),
// with the settings' warnings going to a real log there.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "framework/ProgramDirectory.h"
#include "log/Logger.h"
#include "settings/Lexer.h"
#include "support/TestFiles.h"

class SettingsFolder : public testing::Test {
protected:
    void SetUp() override {
        folder_ = TestFiles::MakeTempFolder("tamborel-settings");
        for (const char *sub : {"template", "lexer", "log"})
            CreateDirectoryA((folder_ + sub).c_str(), nullptr);
        for (const char *name : {"_common.xml", "lexer.xml", "project.xml"})
            CopyFileA((TestFiles::ProgramFolder() + "template\\" + name).c_str(),
                      (folder_ + "template\\" + name).c_str(), FALSE);
        SetProgramDirectory(folder_.c_str());
        logger_ = std::make_unique<Logger>((folder_ + "log\\").c_str());
        logger_->level = 5;
        Lexer::SetLogger(logger_.get());
    }
    void TearDown() override {
        Lexer::SetLogger(nullptr);
        SetProgramDirectory(TestFiles::ProgramFolder().c_str());
        TestFiles::RemoveTree(folder_);
    }

    std::string Path(const char *relative) const { return folder_ + relative; }
    std::string Read(const char *relative) const { return TestFiles::Read(Path(relative)); }
    void Write(const char *relative, const std::string &bytes) const { TestFiles::Write(Path(relative), bytes); }
    std::string Log() const { return TestFiles::Read(folder_ + "log\\Tamborel1.log"); }

    // A section file: body/style holds style, body/event holds event.
    static std::string SectionXml(const std::string &style, const std::string &event = "") {
        return "<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?>\r\n<body><style>" + style + "</style><event>" + event +
               "</event></body>\r\n";
    }
    // One type element holding the properties (id, text) in order.
    static std::string Type(const char *type, std::initializer_list<std::pair<const char *, std::string>> properties) {
        std::string xml = std::string("<type id=\"") + type + "\">";
        for (const auto &property : properties)
            xml += std::string("<property id=\"") + property.first + "\">" + property.second + "</property>";
        return xml + "</type>";
    }
    static std::string Property(const char *type, const char *id, const std::string &value) {
        return Type(type, {{id, value}});
    }

    std::string folder_;
    std::unique_ptr<Logger> logger_;
};
