// Scintilla accepts dragged text only. Files dragged onto a view from the shell are handed to
// the window as WM_DROPFILES, as if the view accepted files the old way; everything else still
// goes to Scintilla's own drop target.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <cstring>
#include <new>

namespace {

class FileDropTarget : public IDropTarget {
public:
    FileDropTarget(HWND hwnd, IDropTarget *text) : hwnd_(hwnd), text_(text) { text_->AddRef(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **object) override {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDropTarget)) {
            *object = static_cast<IDropTarget *>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&count_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&count_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject *data, DWORD keys, POINTL point, DWORD *effect) override {
        files_ = HasFiles(data);
        if (!files_)
            return text_->DragEnter(data, keys, point, effect);
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD *effect) override {
        if (!files_)
            return text_->DragOver(keys, point, effect);
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        if (!files_)
            return text_->DragLeave();
        files_ = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject *data, DWORD keys, POINTL point, DWORD *effect) override {
        if (!HasFiles(data))
            return text_->Drop(data, keys, point, effect);
        files_ = false;
        *effect = DROPEFFECT_COPY;
        HandFilesOver(data);
        return S_OK;
    }

private:
    ~FileDropTarget() { text_->Release(); }

    static FORMATETC FilesFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

    static bool HasFiles(IDataObject *data) {
        FORMATETC format = FilesFormat();
        return data && data->QueryGetData(&format) == S_OK;
    }

    // The window's receiver owns a WM_DROPFILES handle and frees it (DragFinish): it gets a copy,
    // the data object keeps its own.
    void HandFilesOver(IDataObject *data) const {
        FORMATETC format = FilesFormat();
        STGMEDIUM medium{};
        if (data->GetData(&format, &medium) != S_OK)
            return;
        const SIZE_T size = GlobalSize(medium.hGlobal);
        HGLOBAL copy = size ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
        const void *from = copy ? GlobalLock(medium.hGlobal) : nullptr;
        void *to = from ? GlobalLock(copy) : nullptr;
        if (to) {
            std::memcpy(to, from, size);
            GlobalUnlock(copy);
            GlobalUnlock(medium.hGlobal);
            SendMessageW(hwnd_, WM_DROPFILES, reinterpret_cast<WPARAM>(copy), 0);
        } else {
            if (from)
                GlobalUnlock(medium.hGlobal);
            if (copy)
                GlobalFree(copy);
        }
        ReleaseStgMedium(&medium);
    }

    LONG count_ = 0;
    HWND hwnd_;
    IDropTarget *text_;
    bool files_ = false;
};

}

extern "C" HRESULT WINAPI VessaryRegisterDragDrop(HWND hwnd, IDropTarget *target) {
    if (!target)
        return RegisterDragDrop(hwnd, target);
    auto *wrapper = new (std::nothrow) FileDropTarget(hwnd, target);
    if (!wrapper)
        return RegisterDragDrop(hwnd, target);
    wrapper->AddRef();
    const HRESULT result = RegisterDragDrop(hwnd, wrapper);
    wrapper->Release();
    return result;
}
