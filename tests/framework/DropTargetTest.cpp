// The drop target's COM side: interfaces, a count that never deletes the object, and the data
// object held from enter to leave or drop.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include <string>

#include "framework/StandardDropTarget.h"

namespace {

// A data object that only counts its references.
class CountedData : public IDataObject {
public:
    LONG references = 1;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void **object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--references); }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC *, STGMEDIUM *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC *, STGMEDIUM *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC *, FORMATETC *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC *, STGMEDIUM *, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC *, DWORD, IAdviseSink *, DWORD *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA **) override { return E_NOTIMPL; }
};

// Records which handler saw which data object.
class RecordingTarget : public StandardDropTarget {
public:
    std::string calls;
    IDataObject *seen = nullptr;
    HRESULT OnDragEnter(IDataObject *data, DWORD, POINTL, DWORD *) override { return Record("enter ", data); }
    HRESULT OnDragOver(IDataObject *data, DWORD, POINTL, DWORD *effect) override {
        *effect = DROPEFFECT_COPY;
        return Record("over ", data);
    }
    HRESULT OnDragLeave() override { return Record("leave ", nullptr); }
    HRESULT OnDrop(IDataObject *data, DWORD, POINTL, DWORD *) override { return Record("drop ", data); }

private:
    HRESULT Record(const char *call, IDataObject *data) {
        calls += call;
        seen = data;
        return S_OK;
    }
};

TEST(DropTarget, AnswersForItsTwoInterfacesOnly) {
    StandardDropTarget target;
    void *object = nullptr;
    EXPECT_EQ(target.QueryInterface(IID_IDropTarget, &object), S_OK);
    EXPECT_EQ(object, static_cast<IDropTarget *>(&target));
    EXPECT_EQ(target.QueryInterface(IID_IUnknown, &object), S_OK);
    EXPECT_EQ(object, static_cast<IDropTarget *>(&target));
    EXPECT_EQ(target.References(), 2u);
    object = &target;
    EXPECT_EQ(target.QueryInterface(IID_IDataObject, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
}

TEST(DropTarget, ReleasingTheLastReferenceLeavesTheObjectToItsOwner) {
    auto *target = new RecordingTarget;
    EXPECT_EQ(target->AddRef(), 1u);
    EXPECT_EQ(target->Release(), 0u);
    // Still alive: the owner deletes it.
    DWORD effect = DROPEFFECT_NONE;
    EXPECT_EQ(target->DragOver(0, POINTL{0, 0}, &effect), S_OK);
    EXPECT_EQ(target->calls, "over ");
    delete target;
}

TEST(DropTarget, HoldsTheDataObjectFromEnterUntilLeaveOrDrop) {
    CountedData data;
    RecordingTarget target;
    DWORD effect = DROPEFFECT_NONE;
    const POINTL point{10, 20};
    ASSERT_EQ(target.DragEnter(&data, MK_LBUTTON, point, &effect), S_OK);
    EXPECT_EQ(data.references, 2);
    EXPECT_EQ(target.DragData(), &data);
    target.DragOver(MK_LBUTTON, point, &effect);
    EXPECT_EQ(target.seen, &data);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    target.DragLeave();
    EXPECT_EQ(target.DragData(), nullptr);
    EXPECT_EQ(data.references, 1);

    target.DragEnter(&data, MK_LBUTTON, point, &effect);
    target.Drop(&data, 0, point, &effect);
    EXPECT_EQ(target.seen, &data);
    EXPECT_EQ(target.DragData(), nullptr);
    EXPECT_EQ(data.references, 1);
    EXPECT_EQ(target.calls, "enter over leave enter drop ");

    // A drag still in progress is let go with the target.
    {
        RecordingTarget gone;
        gone.DragEnter(&data, 0, point, &effect);
        EXPECT_EQ(data.references, 2);
    }
    EXPECT_EQ(data.references, 1);
}

TEST(DropTarget, DefaultHandlersAcceptAndChangeNothing) {
    CountedData data;
    StandardDropTarget target;
    DWORD effect = DROPEFFECT_MOVE;
    EXPECT_EQ(target.DragEnter(&data, 0, POINTL{0, 0}, &effect), S_OK);
    EXPECT_EQ(target.DragOver(0, POINTL{0, 0}, &effect), S_OK);
    EXPECT_EQ(target.Drop(&data, 0, POINTL{0, 0}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));
}

}
