// Lets a window accept OLE drag and drop: the COM side of IDropTarget, with four handlers for
// the owner to override. The owner keeps the object alive while it is registered
// (RegisterDragDrop) and destroys it; the reference count never deletes it.
#pragma once

#include <windows.h>
#include <ole2.h>

class StandardDropTarget : public IDropTarget {
public:
    StandardDropTarget() = default;
    StandardDropTarget(const StandardDropTarget &) = delete;
    StandardDropTarget &operator=(const StandardDropTarget &) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject *data, DWORD keys, POINTL point, DWORD *effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD *effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject *data, DWORD keys, POINTL point, DWORD *effect) override;
    virtual ~StandardDropTarget();

    // The owner's handlers. The defaults accept and change nothing.
    virtual HRESULT OnDragEnter(IDataObject *data, DWORD keys, POINTL point, DWORD *effect);
    virtual HRESULT OnDragOver(IDataObject *data, DWORD keys, POINTL point, DWORD *effect);
    virtual HRESULT OnDragLeave();
    virtual HRESULT OnDrop(IDataObject *data, DWORD keys, POINTL point, DWORD *effect);

    ULONG References() const { return static_cast<ULONG>(references_); }
    // The data object of the drag in progress, or null.
    IDataObject *DragData() const { return data_; }

private:
    void Hold(IDataObject *data);

    volatile LONG references_ = 0;
    IDataObject *data_ = nullptr;
};
