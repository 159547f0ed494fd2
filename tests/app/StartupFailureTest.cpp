#include <gtest/gtest.h>

#include <windows.h>

#include "app/System.h"
#include "app/Tamborel.h"
#include "settings/LexerHsp.h"
#include "settings/Setting.h"
#include "support/ScriptedDesktop.h"
#include "support/TestFiles.h"

// A main window that cannot be made ends the start with a fatal log line and a box, not silently.
TEST(Startup, AMainWindowThatCannotBeMadeIsReported) {
    ScriptedDesktop desktop;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA taken{};
    taken.cbSize = sizeof taken;
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = instance;
    taken.lpszClassName = Tamborel::MainWindowClass;
    ASSERT_TRUE(RegisterClassExA(&taken));
    {
        Tamborel application;
        EXPECT_FALSE(application.Initialize(instance, nullptr, "", SW_HIDE));
    }
    UnregisterClassA(Tamborel::MainWindowClass, instance);
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_EQ("メインウィンドウを作成できませんでした。", desktop.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), desktop.messages[0].type);
    const std::string log = TestFiles::Read(TestFiles::ProgramFolder() + "log\\Tamborel1.log");
    EXPECT_NE(std::string::npos, log.find("(f) - couldn't create the main window. err = ")) << log;
}

namespace {

// ntdll's notice of a library going away (declared here: the SDK headers lack it).
struct DllNotificationData {
    ULONG flags;
    const void *fullName;
    const void *baseName;
    void *base;
    ULONG size;
};
using DllNotification = void(CALLBACK *)(ULONG reason, const DllNotificationData *data, void *context);
using RegisterNotification = LONG(NTAPI *)(ULONG flags, DllNotification notification, void *context, void **cookie);
using UnregisterNotification = LONG(NTAPI *)(void *cookie);

HMODULE vessaryModule;
int scintillaWindowsAtUnload = -1;

BOOL CALLBACK CountScintilla(HWND hwnd, LPARAM count) {
    char name[32] = "";
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpA(name, "Scintilla") == 0)
        ++*reinterpret_cast<int *>(count);
    EnumChildWindows(hwnd, CountScintilla, count);
    return TRUE;
}

void CALLBACK OnUnload(ULONG reason, const DllNotificationData *data, void *) {
    if (reason != 2 || data->base != vessaryModule)
        return;
    scintillaWindowsAtUnload = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountScintilla, reinterpret_cast<LPARAM>(&scintillaWindowsAtUnload));
}

}

// After a quit from outside the windows go first: the edit component's library holds their
// procedures, so none of its windows may be left when it is unloaded.
TEST(Startup, NoEditViewOutlivesItsLibrary) {
    ScriptedDesktop desktop;
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    auto registerNotification = reinterpret_cast<RegisterNotification>(GetProcAddress(ntdll, "LdrRegisterDllNotification"));
    auto unregisterNotification = reinterpret_cast<UnregisterNotification>(GetProcAddress(ntdll, "LdrUnregisterDllNotification"));
    ASSERT_TRUE(registerNotification && unregisterNotification);
    void *cookie = nullptr;
    ASSERT_EQ(0, registerNotification(0, OnUnload, nullptr, &cookie));
    // No HSP home question at this start.
    System::Get().Settings().Hsp().homePrompt = false;
    {
        Tamborel application;
        ASSERT_TRUE(application.Initialize(GetModuleHandleA(nullptr), nullptr, "", SW_HIDE));
        vessaryModule = GetModuleHandleA("Vessary.dll");
        ASSERT_NE(nullptr, vessaryModule);
        PostQuitMessage(0);
        EXPECT_EQ(0, application.Run());
        application.Exit();
    }
    unregisterNotification(cookie);
    EXPECT_EQ(0, scintillaWindowsAtUnload);
}
