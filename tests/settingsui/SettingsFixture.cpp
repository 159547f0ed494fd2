#include "SettingsFixture.h"

#include <tinyxml.h>

#include "app/System.h"
#include "app/Tamborel.h"
#include "settings/LexerCommon.h"
#include "settings/LexerHsp.h"
#include "settings/LexerLanguage.h"
#include "settings/Setting.h"
#include "support/EditControl.h"
#include "support/TestFiles.h"

std::vector<std::string> ClientDouble::FunctionsOf(const std::string &client) {
    asked.push_back(client);
    return client == "alpha" ? std::vector<std::string>{"build", "run"} : std::vector<std::string>{};
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
    auto double_ = std::make_unique<ClientDouble>();
    clients = double_.get();
    frame->AddSubsystem(std::move(double_));
    ASSERT_TRUE(frame->Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr, nullptr,
                              GetModuleHandleA(nullptr), frame.get()));
    ShowWindow(frame->GetHandle(), SW_SHOW);
    Pump();
}

void SettingsTest::TearDown() {
    dialog.reset();
    frame.reset();
    Pump();
    TestFiles::RemoveTree(folder);
}

void SettingsTest::Open(const SystemFont *fonts) {
    dialog = std::make_unique<SettingDialog>(*frame, fonts ? *fonts : static_cast<const SystemFont &>(System::Get().Fonts()), false);
    ASSERT_TRUE(dialog->Run(frame->GetHandle()));
    Pump();
}

void SettingsTest::Ok() {
    SendMessageA(dialog->GetHandle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    Pump();
}

void SettingsTest::Cancel() {
    SendMessageA(dialog->GetHandle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    Pump();
}

SettingPage &SettingsTest::Language(SettingLangDialog::Language language) const {
    return *static_cast<SettingLangDialog &>(Page(SettingDialog::Languages)).Page(language);
}

void SettingsTest::Choose(const SettingPage &page, int id, int index) {
    HWND combo = Control(page, id);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(page.GetHandle(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void SettingsTest::Select(const SettingPage &page, int id, int index) {
    SendMessageA(Control(page, id), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void SettingsTest::Click(const SettingPage &page, int id) {
    SendMessageA(page.GetHandle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Control(page, id)));
    Pump();
}

void SettingsTest::Type(const SettingPage &page, int id, const char *text) { SetWindowTextA(Control(page, id), text); }

std::string SettingsTest::Text(const SettingPage &page, int id) {
    char text[1024] = "";
    GetWindowTextA(Control(page, id), text, sizeof text);
    return text;
}

void SettingsTest::Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::vector<Lexer *> SettingsTest::Sections() {
    Setting &settings = System::Get().Settings();
    return {&settings.Common(), &settings.Cpp(), &settings.Csv(), &settings.Hsp(), &settings.Ini(),
            &settings.Html(),   &settings.Sql(), &settings.Tsv(), &settings.Vb6(), &settings.Xml()};
}

namespace {

// Every element below element: its key is the path of name[id] levels.
void Collect(const TiXmlElement *element, const std::string &key, std::map<std::string, std::string> &values) {
    for (const TiXmlElement *child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const char *id = child->Attribute("id");
        const std::string path = key + child->ValueStr() + "[" + (id ? id : "") + "]";
        if (const char *text = child->GetText())
            values[path] = text;
        for (const TiXmlAttribute *attribute = child->FirstAttribute(); attribute; attribute = attribute->Next())
            if (attribute->NameTStr() != "id")
                values[path + "@" + attribute->NameTStr()] = attribute->ValueStr();
        Collect(child, path, values);
    }
}

}

std::map<std::string, std::string> SettingsTest::Values(Lexer &section) {
    TiXmlElement style("style");
    TiXmlElement event("event");
    section.styleElement = &style;
    section.eventElement = &event;
    section.Write();
    section.styleElement = section.eventElement = nullptr;
    std::map<std::string, std::string> values;
    Collect(&style, "", values);
    Collect(&event, "", values);
    return values;
}
