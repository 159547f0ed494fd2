// A view of the built component with settings, colour table and keyword tables of its own, for
// the tests that configure views for a language; and the program folder's lexer\_common.*
// keyword files, which such tests rewrite, put back as they were afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/Vessary.h"
#include "language/Configure.h"
#include "language/KeywordTables.h"
#include "settings/Setting.h"
#include "settings/SystemColor.h"
#include "settings/SystemFont.h"
#include "support/EditControl.h"
#include "support/HostWindow.h"
#include "support/TestFiles.h"

class CommonKeywordFiles {
public:
    CommonKeywordFiles() {
        for (int i = 0; i < 3; ++i)
            saved_[i] = TestFiles::Read(Path(i));
    }
    ~CommonKeywordFiles() {
        for (int i = 0; i < 3; ++i)
            TestFiles::Write(Path(i), saved_[i]);
    }
    CommonKeywordFiles(const CommonKeywordFiles &) = delete;
    CommonKeywordFiles &operator=(const CommonKeywordFiles &) = delete;

    void Write(const std::string &kw, const std::string &cc = "", const std::string &ct = "") const {
        TestFiles::Write(Path(0), kw);
        TestFiles::Write(Path(1), cc);
        TestFiles::Write(Path(2), ct);
    }

private:
    static std::string Path(int i) {
        static const char *const names[] = {"_common.kw", "_common.cc", "_common.ct"};
        return TestFiles::ProgramFolder() + "lexer\\" + names[i];
    }
    std::string saved_[3];
};

class ConfiguredView : public testing::Test {
protected:
    void SetUp() override {
        EditControl::Library();
        ASSERT_TRUE(keywords.PrepareKeywords(view, host.Handle(), 0, nullptr));
        view.ApplyBaseConfiguration();
    }

    void Show(int lexer, const std::string &text, bool inProject = false) {
        view.SetText(text.c_str());
        Configure(view, lexer, inProject, settings, colors, keywords);
    }
    // The style of the first byte of what within text.
    int StyleOf(const std::string &text, const char *what) const {
        const size_t at = text.find(what);
        EXPECT_NE(at, std::string::npos) << what;
        return view.GetStyleAt(static_cast<Vessary::Position>(at));
    }
    // Shows text in the language and gives the colour of the first byte of what.
    COLORREF ColourOf(int lexer, const std::string &text, const char *what) {
        Show(lexer, text);
        return view.StyleGetFore(StyleOf(text, what));
    }

    CommonKeywordFiles common;
    HostWindow host;
    Vessary view;
    SystemFont fonts{std::vector<SystemFontData>{{"ＭＳ ゴシック", {9, 10, 12}}}};
    Setting settings{fonts};
    SystemColor colors;
    KeywordTables keywords;
};
