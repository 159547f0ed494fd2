#include "app/Tamborel.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include "app/Report.h"
#include "app/System.h"
#include "framework/Desktop.h"
#include "framework/Exception.h"
#include "framework/ProgramDirectory.h"
#include "hsp/HspCommands.h"
#include "log/Logger.h"
#include "resources/resource.h"
#include "settings/LexerCommon.h"
#include "settings/LexerHsp.h"
#include "settings/Setting.h"

namespace {

void LogUncaught(const char *what) { System::Get().GetLogger().Fatal("%s", what); }

}

Tamborel::Tamborel()
    : system_(&System::Get()), logger_(&system_->GetLogger()), setting_(&system_->Settings()) {
    // Reading the common section may warn (a broken file); the level comes from that section.
    logger_->Hold();
    logger_->level = Logger::LevelOfSetting(setting_->Common().logLevel);
    logger_->Release();
    SetExceptionReporter(LogUncaught);
    for (DWORD classes : {ICC_BAR_CLASSES, ICC_TAB_CLASSES, ICC_USEREX_CLASSES, ICC_TREEVIEW_CLASSES,
                          ICC_LISTVIEW_CLASSES, ICC_COOL_CLASSES}) {
        INITCOMMONCONTROLSEX controls{sizeof controls, classes};
        InitCommonControlsEx(&controls);
    }
    OleInitialize(nullptr);
    logger_->Debug("%s", "Tamborel is starting up");
}

Tamborel::~Tamborel() {
    mainFrame_.Shutdown();
    vessary_.Unload();
}

bool Tamborel::Initialize(HINSTANCE instance, HINSTANCE, const char *commandLine, int) {
    instance_ = instance;

    const std::string library = std::string(ProgramDirectory()) + "library\\Vessary.dll";
    if (!vessary_.Load(library.c_str())) {
        const DWORD error = GetLastError();
        const std::string message = "couldn't load vessary library. err = " + std::to_string(error) +
                                    ", path =  \"" + library + "\"";
        Tell(nullptr, {message.c_str(), nullptr, "VESSARY.DLL の読み込みに失敗しました。", MB_ICONERROR, ReportLevel::Fatal});
        return false;
    }

    if (!RegisterMainWindowClass(instance) ||
        !mainFrame_.Create(0, MainWindowClass, "", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, nullptr, nullptr, instance, &mainFrame_)) {
        const DWORD error = GetLastError();
        const std::string message = "couldn't create the main window. err = " + std::to_string(error);
        Tell(nullptr, {message.c_str(), nullptr, "メインウィンドウを作成できませんでした。", MB_ICONERROR, ReportLevel::Fatal});
        return false;
    }

    if (HspCommands *hsp = mainFrame_.Find<HspCommands>())
        hsp->StartUp();

    for (const std::string &file : SplitCommandLine(commandLine))
        mainFrame_.Open(file.c_str());

    PlaceWindow();
    return true;
}

const char *const Tamborel::MainWindowClass = "TamborelWindowClass";

bool Tamborel::RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.hIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_TAMBOREL), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_TAMBOREL_SMALL), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MENU_MAIN);
    wc.lpszClassName = MainWindowClass;
    return RegisterClassExA(&wc) != 0;
}

void Tamborel::PlaceWindow() {
    const LexerCommon &common = setting_->Common();
    HWND frame = mainFrame_.GetHandle();
    if (common.initialWindowSizeX == 0 || common.initialWindowSizeY == 0) {
        ShowWindow(frame, SW_SHOWMAXIMIZED);
    } else {
        MoveWindow(frame, common.initialWindowPositionX, common.initialWindowPositionY, common.initialWindowSizeX,
                   common.initialWindowSizeY, FALSE);
        ShowWindow(frame, SW_SHOW);
    }
    UpdateWindow(frame);
}

int Tamborel::Run() {
    HACCEL accelerators = LoadAcceleratorsA(instance_, MAKEINTRESOURCEA(IDR_ACCELERATOR));
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        HWND dialog = mainFrame_.ActiveModelessDialog();
        if (dialog && IsDialogMessageA(dialog, &message))
            continue;
        if (accelerators && TranslateAcceleratorA(mainFrame_.GetHandle(), accelerators, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

void Tamborel::Exit() {
    logger_->Debug("%s", "Tamborel is shutting down");
    OleUninitialize();
    // The windows and the parts (the HSP compiler library with them) go before the edit
    // component: its windows' procedures live in it.
    mainFrame_.Shutdown();
    vessary_.Unload();
}

std::vector<std::string> Tamborel::SplitCommandLine(const char *commandLine) {
    std::vector<std::string> files;
    if (!commandLine || !*commandLine)
        return files;
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, commandLine, -1, nullptr, 0);
    if (wideLength <= 0)
        return files;
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, commandLine, -1, &wide[0], wideLength);
    int count = 0;
    LPWSTR *arguments = CommandLineToArgvW(wide.c_str(), &count);
    if (!arguments)
        return files;
    for (int i = 0; i < count; ++i) {
        const int length = WideCharToMultiByte(CP_ACP, 0, arguments[i], -1, nullptr, 0, nullptr, nullptr);
        if (length <= 1)
            continue;
        std::string file(static_cast<size_t>(length), '\0');
        WideCharToMultiByte(CP_ACP, 0, arguments[i], -1, &file[0], length, nullptr, nullptr);
        file.resize(static_cast<size_t>(length - 1));
        files.push_back(file);
    }
    LocalFree(arguments);
    return files;
}
