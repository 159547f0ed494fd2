// The drop target's COM side: interfaces, a count that never deletes the object, and the data
// object held from enter to leave or drop.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include <string>

#include "framework/StandardDropTarget.h"

namespace {

// The references a COM object holds now.
ULONG References(IUnknown *object) {
    object->AddRef();
    return object->Release();
}

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

// Only the owner deletes the target: releasing the last reference leaves it alive.
TEST(DropTarget, AnswersForItsTwoInterfacesAndNeverDeletesItself) {
    auto *target = new RecordingTarget;
    void *object = nullptr;
    EXPECT_EQ(target->QueryInterface(IID_IDropTarget, &object), S_OK);
    EXPECT_EQ(object, static_cast<IDropTarget *>(target));
    EXPECT_EQ(target->QueryInterface(IID_IUnknown, &object), S_OK);
    EXPECT_EQ(object, static_cast<IDropTarget *>(target));
    EXPECT_EQ(target->QueryInterface(IID_IDataObject, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(target->Release(), 1u);
    EXPECT_EQ(target->Release(), 0u);
    DWORD effect = DROPEFFECT_NONE;
    EXPECT_EQ(target->DragOver(0, POINTL{0, 0}, &effect), S_OK);
    EXPECT_EQ(target->calls, "over ");
    delete target;
}

TEST(DropTarget, HoldsTheDataObjectFromEnterUntilLeaveOrDrop) {
    IDataObject *data = nullptr;
    ASSERT_EQ(CreateDataCache(nullptr, CLSID_NULL, IID_IDataObject, reinterpret_cast<void **>(&data)), S_OK);
    RecordingTarget target;
    DWORD effect = DROPEFFECT_NONE;
    const POINTL point{10, 20};
    ASSERT_EQ(target.DragEnter(data, MK_LBUTTON, point, &effect), S_OK);
    EXPECT_EQ(References(data), 2u);
    target.DragOver(MK_LBUTTON, point, &effect);
    EXPECT_EQ(target.seen, data);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    target.DragLeave();
    EXPECT_EQ(target.DragData(), nullptr);
    EXPECT_EQ(References(data), 1u);

    target.DragEnter(data, MK_LBUTTON, point, &effect);
    target.Drop(data, 0, point, &effect);
    EXPECT_EQ(target.seen, data);
    EXPECT_EQ(target.DragData(), nullptr);
    EXPECT_EQ(References(data), 1u);
    EXPECT_EQ(target.calls, "enter over leave enter drop ");

    // A drag still in progress is let go with the target.
    {
        RecordingTarget gone;
        gone.DragEnter(data, 0, point, &effect);
        EXPECT_EQ(References(data), 2u);
    }
    EXPECT_EQ(References(data), 1u);
    data->Release();
}

}
