// The program's top-level window and hub: it owns the documents, the bars, the dialogs and the
// program's parts (Subsystem), lays them out, and hands every command, notification and private
// message to the part that owns it. The parts see it as a Workbench.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/DocumentView.h"
#include "editor/SplitFrameWindow.h"
#include "frame/MainMenuBar.h"
#include "frame/MainStatusBar.h"
#include "frame/MainToolBar.h"
#include "frame/Workbench.h"
#include "framework/CommandTable.h"
#include "framework/DialogManager.h"
#include "framework/EditBox.h"
#include "framework/Font.h"
#include "framework/OverlappedWindow.h"

class CommandState;
class LexerCommon;
class SidePane;
struct SCNotification;

class MainFrameWindow : public OverlappedWindow, public Workbench {
public:
    MainFrameWindow();
    ~MainFrameWindow() override;

    LRESULT OnClose(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnEnterMenuLoop(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnExitMenuLoop(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnSize(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnUserMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Workbench.
    HWND Handle() const override { return GetHandle(); }
    HINSTANCE Instance() const override { return GetInstance(); }
    DocumentView &Documents() override { return documents_; }
    Document *Current() override { return documents_.Current(); }
    int CurrentIndex() const override { return documents_.CurrentIndex(); }
    Document *ActiveView() override { return documents_.ActiveView(); }
    int NewDocument() override;
    bool Open(const char *path) override;
    void Select(int index) override;
    bool Save(int index) override;
    bool SaveAs(int index) override;
    bool Close(int index) override;
    bool CloseAll() override;
    bool WriteDocument(Document &document, const char *path) override;
    int UntitledOrNewDocument() override;
    void SetDocumentLanguage(int index, int language) override;
    void RefreshProjectMembership() override;
    void Layout() override;
    void RefreshTitle() override;
    void RefreshStatus() override;
    void ApplySettings() override;
    DialogManager &Dialogs() override { return dialogs_; }
    MainMenuBar &MenuBar() override { return menuBar_; }
    const std::vector<Subsystem *> &Subsystems() const override { return subsystemList_; }

    // A part made outside (a test's double of another part): offered everything before the
    // frame's own parts, so Find prefers it.
    void AddSubsystem(std::unique_ptr<Subsystem> subsystem);
    // The windows, then the parts, go; the frame is done. Safe to call more than once.
    void Shutdown();
    bool Reload(int index);
    // The open modeless dialog's window, or null: the message loop offers it each message first.
    HWND ActiveModelessDialog() const { return dialogs_.ActiveModeless(); }
    MainStatusBar &Status() { return statusBar_; }
    MainToolBar &Tools() { return toolBar_; }
    // Rebuilds the edit context menu and the tool bar from the settings' lists.
    void RebuildCustomizedItems();
    // What the menus would show now.
    CommandState MenuState();

    // The private messages the frame answers.
    static const UINT RefreshTitleMessage = 0x800A;

private:
    static const CommandRoute<MainFrameWindow> routes[];

    LexerCommon &Common();
    void CreateChildren();
    // The document tabs' font from the settings.
    void ApplyTabFont();
    void ApplyVisibility();
    void RefreshMenuState();
    void UpdateFrameState(CommandState &state);
    void RefreshDocumentTexts(int index);
    void RebuildDocumentMenu();
    void OnEditNotification(Document &view, const SCNotification &notification);
    void ShowOpenDialog();
    void OpenDroppedFiles(HDROP drop);
    void StoreWindowPlacement();
    bool OpenProjectFile(const class Path &path);
    SidePane *Pane() const;

    // Layout, band by band from the top: each takes what is left and returns the new top or bottom.
    int LayoutToolBar(int top, int width);
    int LayoutPathField(int top, int width);
    int LayoutStatusBar(int bottom, int width);
    int LayoutSidePane(int top, int bottom);
    void LayoutDocuments(const RECT &area);

    // Commands the frame answers itself.
    void OnNew(UINT id);
    void OnOpen(UINT id);
    void OnReload(UINT id);
    void OnSave(UINT id);
    void OnSaveAs(UINT id);
    void OnExit(UINT id);
    void OnOpenSourceFolder(UINT id);
    void OnSplit(UINT id);
    void OnToggle(UINT id);
    void OnLanguage(UINT id);
    void OnNextDocument(UINT id);
    void OnCloseDocument(UINT id);
    void OnCloseAll(UINT id);
    void OnCloseContext(UINT id);
    void OnLexerUpdate(UINT id);
    void OnLogLevel(UINT id);
    void OnAbout(UINT id);
    void OnWebSite(UINT id);
    void OnVersion(UINT id);
    void OnDocumentList(UINT id);

    MainMenuBar menuBar_;
    HMENU systemMenu_ = nullptr;
    Font statusFont_;
    MainStatusBar statusBar_;
    MainToolBar toolBar_;
    EditBox pathField_;
    Font menuFont_;
    DocumentView documents_;
    SplitFrameWindow splitFrame_;
    UINT_PTR timer_ = 0;
    DialogManager dialogs_;
    std::vector<std::unique_ptr<Subsystem>> subsystems_;
    std::vector<Subsystem *> subsystemList_;
};
