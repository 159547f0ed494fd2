#include "frame/MainFrameWindow.h"

#include "app/System.h"
#include "frame/DialogTable.h"
#include "framework/DialogManager.h"
#include "hsp/Hsp.h"
#include "resources/resource.h"

MainFrameWindow::MainFrameWindow()
    : hsp_(std::make_unique<Hsp>(&System::Get().GetLogger())),
      dialogs_(std::make_unique<DialogManager>(dialogTable, dialogTableSize)) {}

MainFrameWindow::~MainFrameWindow() = default;

LRESULT MainFrameWindow::OnCreate(WPARAM, LPARAM) { return 0; }

LRESULT MainFrameWindow::OnClose(WPARAM, LPARAM) {
    Destroy();
    return 0;
}

LRESULT MainFrameWindow::OnDestroy(WPARAM wParam, LPARAM lParam) {
    PostQuitMessage(0);
    return OverlappedWindow::OnDestroy(wParam, lParam);
}

bool MainFrameWindow::Open(const char *) { return false; }

void MainFrameWindow::ShowHspHomeDialog() { dialogs_->Open(IDD_HSP_HOME, true, GetHandle(), this); }

HWND MainFrameWindow::ActiveModelessDialog() const { return dialogs_->ActiveModeless(); }
