#include <gtest/gtest.h>

#include <windows.h>

#include "framework/Dialog.h"
#include "framework/DialogManager.h"

namespace {

const UINT closeSoon = WM_APP + 10;

class EndingDialog : public Dialog {
public:
    using Dialog::Dialog;
    int initialised = 0;
    INT_PTR OnInitDialog(HWND, LPARAM) override {
        ++initialised;
        if (IsModal())
            PostMessageA(GetHandle(), closeSoon, 0, 0);
        return TRUE;
    }
    LRESULT OnUserMessage(UINT message, WPARAM, LPARAM) override {
        if (message == closeSoon) {
            Close(42);
            return 1;
        }
        return 0;
    }
    INT_PTR OnCommand(WORD, WORD id, HWND) override {
        if (id == IDOK) {
            Close(IDOK);
            return TRUE;
        }
        return FALSE;
    }
};

int created[2];
// A dialog of template 200 + N that counts how often it was made.
template <int N> class Counted : public EndingDialog {
public:
    static constexpr int TemplateId = 200 + N;
    explicit Counted(bool modal) : EndingDialog(TemplateId, modal) { ++created[N]; }
};

}

TEST(Dialog, ModalRunReturnsTheResultItWasClosedWith) {
    EndingDialog dialog(200, true);
    EXPECT_EQ(42, dialog.Run(nullptr));
    EXPECT_EQ(1, dialog.initialised);
    EXPECT_EQ(nullptr, dialog.GetHandle());
}

TEST(Dialog, ModelessRunLeavesTheDialogOpenUntilClosed) {
    EndingDialog dialog(200, false);
    ASSERT_EQ(TRUE, dialog.Run(nullptr));
    HWND hwnd = dialog.GetHandle();
    ASSERT_TRUE(IsWindow(hwnd));
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(nullptr, dialog.GetHandle());
}

TEST(DialogManager, KeepsOneModelessDialogAndOnlyFocusesTheOneAlreadyOpen) {
    created[0] = created[1] = 0;
    DialogManager manager;
    EXPECT_EQ(nullptr, manager.ActiveModeless());

    EXPECT_EQ(1, manager.Open<Counted<0>>(nullptr, false));
    HWND first = manager.ActiveModeless();
    ASSERT_TRUE(IsWindow(first));

    EXPECT_EQ(1, manager.Open<Counted<0>>(nullptr, false));
    EXPECT_EQ(1, created[0]);
    EXPECT_EQ(first, manager.ActiveModeless());
    EXPECT_EQ(first, GetFocus() == first ? first : GetAncestor(GetFocus(), GA_ROOT));

    EXPECT_EQ(1, manager.Open<Counted<1>>(nullptr, false));
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(1, created[1]);
    EXPECT_NE(nullptr, manager.ActiveModeless());

    // A modal run leaves the modeless one alone and deletes its own object.
    EXPECT_EQ(42, manager.Open<Counted<0>>(nullptr, true));
    EXPECT_EQ(2, created[0]);
    EXPECT_NE(nullptr, manager.ActiveModeless());
    EXPECT_NE(nullptr, manager.OpenModeless<Counted<1>>());
    EXPECT_EQ(nullptr, manager.OpenModeless<Counted<0>>());
}
