// What the parts of the program may ask of the main frame: its documents, its dialogs, its
// layout and the other parts' services. Each part reaches the frame through this and nothing
// else, so adding a part never means opening the frame's insides.
#pragma once

#include <windows.h>

#include <vector>

class DialogManager;
class Document;
class DocumentView;
class MainMenuBar;
class Subsystem;

class Workbench {
public:
    virtual HWND Handle() const = 0;
    virtual HINSTANCE Instance() const = 0;

    // Documents. Indexes are positions in the tab list.
    virtual DocumentView &Documents() = 0;
    virtual Document *Current() = 0;
    virtual int CurrentIndex() const = 0;
    // The view the user works in: the split pane when it was last used on the current document.
    virtual Document *ActiveView() = 0;
    virtual int NewDocument() = 0;
    // Opens a file (or selects it when open); false on failure, which the user has been told.
    virtual bool Open(const char *path) = 0;
    virtual void Select(int index) = 0;
    virtual bool Save(int index) = 0;
    virtual bool SaveAs(int index) = 0;
    // False when the user cancels.
    virtual bool Close(int index) = 0;
    virtual bool CloseAll() = 0;
    // The save routine: the text to path, the user told on failure. No save point is set.
    virtual bool WriteDocument(Document &document, const char *path) = 0;
    // The document's index in the tab list, the untitled current one reused, else a new one.
    virtual int UntitledOrNewDocument() = 0;
    virtual void SetDocumentLanguage(int index, int language) = 0;
    // After the project changed: each document's membership decided again and configured.
    virtual void RefreshProjectMembership() = 0;

    // The frame.
    virtual void Layout() = 0;
    virtual void RefreshTitle() = 0;
    // Tool bar buttons and status fields for the active view.
    virtual void RefreshStatus() = 0;
    // After the settings changed: every document configured again, bars, menus and layout.
    virtual void ApplySettings() = 0;
    virtual DialogManager &Dialogs() = 0;
    virtual MainMenuBar &MenuBar() = 0;

    // The program's parts, in the order they were made; Find gives the one offering T, if any.
    virtual const std::vector<Subsystem *> &Subsystems() const = 0;
    template <class T> T *Find() const;

protected:
    ~Workbench() = default;
};

#include "frame/Subsystem.h"

template <class T> T *Workbench::Find() const {
    for (Subsystem *subsystem : Subsystems())
        if (T *offered = dynamic_cast<T *>(subsystem))
            return offered;
    return nullptr;
}
