// Every dialog of the program opened and closed again and again: after a warm-up, the program's
// handles per kind and the windows of the process come back to where they were and memory stays
// within a small tolerance. Modal dialogs are cancelled from a timer inside their own message
// loop; modeless ones are closed as the frame closes them. Under Xvfb without a window manager,
// Wine waits 2 s for each hidden dialog to be withdrawn, so the test runs a few rounds;
// bench/leaks.cpp runs the hundred.
#include "HspFixture.h"

#include <vector>

#include "resources/resource.h"
#include "support/Leaks.h"

namespace {

// The command that opens each dialog, with the script that must be current for it.
struct Opening {
    UINT command;
    int templateId;
    const char *script;
};

const Opening openings[] = {
    {IDM_VERSION, IDD_VERSION, "main.hsp"},
    {IDM_FIND, IDD_SEARCH, "main.hsp"},
    {IDM_JUMP_LABEL, IDD_JUMP, "main.hsp"},
    {IDM_SETTINGS, IDD_SETTING, "main.hsp"},
    {IDM_HSP_HOME, IDD_HSP_HOME, "main.hsp"},
    {IDM_HSP_RESERVED_KEYWORDS, IDD_HSP_RESERVED_KW, "main.hsp"},
    {IDM_HSP_SAMPLES, IDD_HSP_SAMPLE_VIEWER, "main.hsp"},
    {IDM_HSP_BUILD, IDD_HSP_BUILD, "main.hsp"},
    {IDM_HSP_PACKFILE, IDD_HSP_PACKFILE, "main.hsp"},
    {IDM_HSP_OBJECT_FILE, IDD_HSP_REPORT, "err.hsp"},
};

constexpr int Rounds = 2;

std::vector<int> closed;

BOOL CALLBACK CancelModal(HWND hwnd, LPARAM) {
    char className[16] = "";
    GetClassNameA(hwnd, className, sizeof className);
    const auto *dialog = reinterpret_cast<const Dialog *>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (std::string(className) != "#32770" || !IsWindowVisible(hwnd) || !dialog || !dialog->IsModal())
        return TRUE;
    closed.push_back(dialog->GetTemplateId());
    EndDialog(hwnd, IDCANCEL);
    return FALSE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), CancelModal, 0); }

}

TEST_F(HspTest, OpeningAndClosingEveryDialogAgainLeaksNothing) {
    StartFrame();
    MakeFile("packfile", "");
    const std::string main = MakeFile("main.hsp", "*start\r\n\tmes 1\r\n\tgoto *start\r\n");
    const std::string broken = MakeFile("err.hsp", "mes \"oops\r\n");
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, Tick);
    closed.clear();
    const Leaks::Loop loop = Leaks::Repeat(Rounds, [&] {
        for (const Opening &opening : openings) {
            frame->Open((folder + opening.script).c_str());
            Command(opening.command);
            if (Dialog *modeless = frame->Dialogs().Modeless())
                closed.push_back(modeless->GetTemplateId());
            frame->Dialogs().CloseModeless();
            Pump();
        }
    });
    KillTimer(nullptr, timer);
    std::vector<int> expected;
    for (int round = 0; round < Rounds + 2; ++round)
        for (const Opening &opening : openings)
            expected.push_back(opening.templateId);
    EXPECT_EQ(expected, closed);
    EXPECT_EQ("", loop.Growth(2 * 1024 * 1024)) << loop.Describe();
    std::printf("every dialog %d times: %.1f s\n  %s\n", Rounds, loop.seconds, loop.Describe().c_str());
}
