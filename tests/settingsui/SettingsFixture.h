// The settings dialog over a real main frame in the test process, opened modeless so that a test
// can work its controls as a user would, with a double of the client part. Every setting section
// is read again from its file before each test, so tests do not see each other's changes.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "client/ClientCatalogue.h"
#include "frame/MainFrameWindow.h"
#include "frame/Subsystem.h"
#include "settingsui/SettingDialog.h"
#include "settingsui/SettingLangDialog.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"

class Lexer;
class SystemFont;

// Clients "alpha" (functions "build" and "run") and "beta" (none); records which clients were
// asked for their functions (which starts a real client).
class ClientDouble : public Subsystem, public ClientCatalogue {
public:
    std::vector<std::string> ClientNames() const override { return {"alpha", "beta"}; }
    std::vector<std::string> FunctionsOf(const std::string &client) override {
        asked.push_back(client);
        return client == "alpha" ? std::vector<std::string>{"build", "run"} : std::vector<std::string>{};
    }
    std::vector<std::string> asked;
};

class SettingsTest : public ::testing::Test {
public:
    static HWND Control(const SettingPage &page, int id) { return GetDlgItem(page.GetHandle(), id); }
    // A combo box's item chosen as a user does: selected, and its page told.
    static void Choose(const SettingPage &page, int id, int index);
    static void Select(const SettingPage &page, int id, int index) { SendMessageA(Control(page, id), LB_SETCURSEL, index, 0); }
    static void Click(const SettingPage &page, int id);
    static void Type(const SettingPage &page, int id, const char *text) { SetWindowTextA(Control(page, id), text); }
    static std::string Text(const SettingPage &page, int id);
    // The ten sections: common, then the languages in the order of the language page's tabs.
    static std::vector<Lexer *> Sections();

protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the dialog; fonts: the font table its pages offer (the system's when null).
    void Open(const SystemFont *fonts = nullptr);
    void Ok() const { Close(IDOK); }
    void Cancel() const { Close(IDCANCEL); }
    void Close(int button) const;
    SettingPage &Page(SettingDialog::Tab tab) const { return *dialog->Page(tab); }
    SettingPage &Language(SettingLangDialog::Language language) const;
    // An application that exists.
    static std::string Program() { return TestFiles::DistDirectory() + "Tamborel.exe"; }

    ScriptedDesktop desktop;
    std::unique_ptr<MainFrameWindow> frame;
    ClientDouble *clients = nullptr;
    std::unique_ptr<SettingDialog> dialog;
    std::string folder;
};
