// The program's top-level window and hub: it owns the documents, the panes, the HSP compiler
// library and the dialogs, lays them out, and turns every command, notification and private
// message into a call into the part that owns it.
#pragma once

#include <memory>
#include <string>

#include "editor/DocumentView.h"
#include "editor/SplitFrameWindow.h"
#include "frame/MainMenuBar.h"
#include "frame/MainStatusBar.h"
#include "frame/MainToolBar.h"
#include "framework/EditBox.h"
#include "framework/Font.h"
#include "framework/OverlappedWindow.h"

class DialogManager;
class Hsp;
class LexerCommon;
struct SCNotification;

class TypingAids;

class MainFrameWindow : public OverlappedWindow {
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
    LRESULT OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Documents. Indexes are positions in the tab list.
    int NewDocument();
    // Opens a file as a document, or selects it when already open; false on failure.
    bool Open(const char *path);
    bool Reload(int index);
    // Untitled documents go to SaveAs. Sets the save point on success.
    bool Save(int index);
    bool SaveAs(int index);
    // False when the user cancels.
    bool Close(int index);
    bool CloseAll();
    void Select(int index);
    void SetDocumentLanguage(int index, int language);

    DocumentView &Documents() { return documents_; }
    Document *Current() { return documents_.At(documents_.current); }
    int CurrentIndex() const { return documents_.current; }
    // The split pane when it shows the current document and has the focus, else the current one.
    Document *ActiveView() { return documents_.ActiveView(); }

    // The HSP home dialog, modal, owned by this window.
    void ShowHspHomeDialog();
    Hsp &HspCompiler() { return *hsp_; }
    DialogManager &Dialogs() { return *dialogs_; }
    // The open modeless dialog's window, or null: the message loop offers it each message first.
    HWND ActiveModelessDialog() const;

    void Layout();
    MainMenuBar &MenuBar() { return menuBar_; }
    MainStatusBar &Status() { return statusBar_; }
    MainToolBar &Tools() { return toolBar_; }
    // Rebuilds the edit context menu and the tool bar from the settings' lists.
    void RebuildCustomizedItems();

    // The private messages the frame answers.
    static const UINT RefreshTitleMessage = 0x800A;

private:
    friend struct MainFrameCommands;

    LexerCommon &Common();
    void CreateChildren();
    void ApplyVisibility();
    void RefreshMenuState();
    void RefreshDocumentTexts(int index);
    void RefreshTitle();
    // The tool bar's buttons and the status bar's place fields for the active view.
    void RefreshStatus();
    void RebuildDocumentMenu();
    void OnEditNotification(Document &view, const SCNotification &notification);
    TypingAids TypingAidsFor(Document &view);
    bool WriteDocument(Document &document, const char *path);
    void ShowOpenDialog();
    void OpenDroppedFiles(HDROP drop);
    void StoreWindowPlacement();

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
    bool hspHomeValid_ = false;
    std::unique_ptr<Hsp> hsp_;
    std::unique_ptr<DialogManager> dialogs_;
};
