#include "framework/StandardDropTarget.h"

StandardDropTarget::~StandardDropTarget() { Hold(nullptr); }

HRESULT STDMETHODCALLTYPE StandardDropTarget::QueryInterface(REFIID iid, void **object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
        *object = static_cast<IDropTarget *>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE StandardDropTarget::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG STDMETHODCALLTYPE StandardDropTarget::Release() { return static_cast<ULONG>(InterlockedDecrement(&references_)); }

// The data object outlives the call that brought it only with a reference of ours.
void StandardDropTarget::Hold(IDataObject *data) {
    if (data)
        data->AddRef();
    if (data_)
        data_->Release();
    data_ = data;
}

HRESULT STDMETHODCALLTYPE StandardDropTarget::DragEnter(IDataObject *data, DWORD keys, POINTL point, DWORD *effect) {
    Hold(data);
    return OnDragEnter(data, keys, point, effect);
}

HRESULT STDMETHODCALLTYPE StandardDropTarget::DragOver(DWORD keys, POINTL point, DWORD *effect) {
    return OnDragOver(data_, keys, point, effect);
}

HRESULT STDMETHODCALLTYPE StandardDropTarget::DragLeave() {
    Hold(nullptr);
    return OnDragLeave();
}

HRESULT STDMETHODCALLTYPE StandardDropTarget::Drop(IDataObject *data, DWORD keys, POINTL point, DWORD *effect) {
    const HRESULT result = OnDrop(data, keys, point, effect);
    Hold(nullptr);
    return result;
}

HRESULT StandardDropTarget::OnDragEnter(IDataObject *, DWORD, POINTL, DWORD *) { return S_OK; }
HRESULT StandardDropTarget::OnDragOver(IDataObject *, DWORD, POINTL, DWORD *) { return S_OK; }
HRESULT StandardDropTarget::OnDragLeave() { return S_OK; }
HRESULT StandardDropTarget::OnDrop(IDataObject *, DWORD, POINTL, DWORD *) { return S_OK; }
