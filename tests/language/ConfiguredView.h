// A view of the built component with settings, colour table and keyword tables of its own, for
// the tests that configure views for a language.
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

    HostWindow host;
    Vessary view;
    SystemFont fonts{std::vector<SystemFontData>{{"ＭＳ ゴシック", {9, 10, 12}}}};
    Setting settings{fonts};
    SystemColor colors;
    KeywordTables keywords;
};
