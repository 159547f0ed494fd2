// The tab strip of the main frame and the owner of the documents: one tab per document, in list
// order, and one optional split pane showing the current document's text a second time.
#pragma once

#include <memory>
#include <vector>

#include "editor/Document.h"
#include "framework/Font.h"
#include "framework/TabCtrl.h"

class DocumentView : public TabCtrl {
public:
    DocumentView();
    ~DocumentView() override;

    bool Create(HWND frame, HINSTANCE instance);
    void Destroy() override;

    int Count() const { return static_cast<int>(documents_.size()); }
    Document *At(int index) const;
    // The open document with exactly this full path (byte comparison), or -1.
    int IndexOfPath(const char *path) const;
    // A document by its window; the split pane's window gives the split pane.
    Document *FindByHandle(HWND hwnd);

    // A new document at the end of the list with its window created (hidden), or null.
    Document *Append();
    // Takes the document out of the list and destroys it; the ones behind move down by one, and
    // a split pane that showed it goes away.
    void Remove(int index);
    void DestroyAll();

    // The current document: the one whose tab is selected.
    int CurrentIndex() const { return current_; }
    Document *Current() const { return At(current_); }
    // -1 while a document is being closed and none is current yet.
    void SetCurrentIndex(int index) { current_ = index; }
    // The tab chosen with the right mouse button; -1 after a middle click.
    int ContextIndex() const { return contextIndex_; }
    // An edit view got the focus: commands go to it while it shows the current document.
    void NoteFocus(HWND view) { focusedView_ = view; }

    // The split pane, while its window exists.
    Document *SplitPane() { return split_.Exists() ? &split_ : nullptr; }
    int SplitIndex() const { return splitIndex_; }
    bool SplitDirectionHorizontal() const { return splitDirection_ == 1; }
    // Whether the pane exists and shows the current document.
    bool SplitShowsCurrent() const { return split_.Exists() && splitIndex_ == current_; }
    // Direction 1: the pane below; 0: at the right. The frame lays out afterwards.
    void ToggleSplit(unsigned char direction, HWND splitFrame);
    // The view the user works in: the split pane when it shows the current document and has the
    // focus, else the current document.
    Document *ActiveView();

    void SetTabFont(int height, const char *face);

    LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnRButtonUp(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMButtonUp(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam) override;

    // The message the view sends the frame to close the document of a tab (wParam: its index).
    static const UINT CloseDocumentMessage = 0x8008;

private:
    void DetachSplit();

    int current_ = 0;
    int contextIndex_ = -1;
    HWND focusedView_ = nullptr;

    std::vector<std::unique_ptr<Document>> documents_;
    Document split_;
    int splitIndex_ = -1;
    unsigned char splitDirection_ = 1;
    Font font_;
    HWND frame_ = nullptr;
};
