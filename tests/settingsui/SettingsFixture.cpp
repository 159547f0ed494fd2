#include "SettingsFixture.h"

#include "app/System.h"
#include "app/Tamborel.h"
#include "settings/LexerCommon.h"
#include "settings/LexerHsp.h"
#include "settings/Setting.h"
#include "support/EditControl.h"
#include "support/Messages.h"
#include "support/TestFiles.h"

namespace {

}

void SettingsTest::SetUp() {
    for (Lexer *section : Sections()) {
        section->Load(true);
        section->modified = false;
    }
    EditControl::Library();
    Tamborel::RegisterMainWindowClass(GetModuleHandleA(nullptr));
    folder = TestFiles::MakeTempFolder("tamborel-settingsui");
    frame = std::make_unique<MainFrameWindow>();
    auto catalogue = std::make_unique<ClientDouble>();
    clients = catalogue.get();
    frame->AddSubsystem(std::move(catalogue));
    ASSERT_TRUE(frame->Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr, nullptr,
                              GetModuleHandleA(nullptr), frame.get()));
    ShowWindow(frame->GetHandle(), SW_SHOW);
    PumpMessages();
}

void SettingsTest::TearDown() {
    dialog.reset();
    frame.reset();
    PumpMessages();
    TestFiles::RemoveTree(folder);
}

void SettingsTest::Open(const SystemFont *fonts) {
    dialog = std::make_unique<SettingDialog>(*frame, fonts ? *fonts : static_cast<const SystemFont &>(System::Get().Fonts()), false);
    ASSERT_TRUE(dialog->Run(frame->GetHandle()));
    PumpMessages();
}

void SettingsTest::Close(int button) const {
    SendMessageA(GetDlgItem(dialog->GetHandle(), button), BM_CLICK, 0, 0);
    PumpMessages();
}

SettingPage &SettingsTest::Language(SettingLangDialog::Language language) const {
    return *static_cast<SettingLangDialog &>(Page(SettingDialog::Languages)).Page(language);
}

void SettingsTest::Choose(const SettingPage &page, int id, int index) {
    HWND combo = Control(page, id);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(page.GetHandle(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void SettingsTest::Click(const SettingPage &page, int id) {
    SendMessageA(Control(page, id), BM_CLICK, 0, 0);
    PumpMessages();
}

std::string SettingsTest::Text(const SettingPage &page, int id) {
    char text[1024] = "";
    GetWindowTextA(Control(page, id), text, sizeof text);
    return text;
}

std::vector<Lexer *> SettingsTest::Sections() {
    Setting &settings = System::Get().Settings();
    return {&settings.Common(), &settings.Cpp(), &settings.Csv(), &settings.Hsp(), &settings.Html(),
            &settings.Ini(),    &settings.Sql(), &settings.Tsv(), &settings.Vb6(), &settings.Xml()};
}
