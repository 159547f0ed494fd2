// Navigation's speed through the real frame, each figure against a second one of the same run:
// - definition reference to a name defined at the end of the last of 200 included files of
//   2,000 lines each: the first reference (every file read and coloured) against a repeated one
//   (the files unchanged, nothing read again);
// - the label list of a 50 MB script (the label tab reloaded) against opening that script;
// - the completion list of a script whose includes define 5,000 names against the list of the
//   keyword files alone.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/Tamborel.h"
#include "editor/Document.h"
#include "editor/TypingAids.h"
#include "frame/MainFrameWindow.h"
#include "framework/DialogManager.h"
#include "framework/ProgramDirectory.h"
#include "language/KeywordTables.h"
#include "navigation/JumpDialog.h"
#include "navigation/JumpLabelDialog.h"
#include "navigation/NavigationCommands.h"
#include "navigation/ViewText.h"
#include "resources/resource.h"
#include "support/Messages.h"
#include "support/ScratchProgram.h"
#include "support/TestFiles.h"
#include "support/Timing.h"

namespace {

std::unique_ptr<MainFrameWindow> Frame() {
    auto frame = std::make_unique<MainFrameWindow>();
    frame->Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr, nullptr,
                  GetModuleHandleA(nullptr), frame.get());
    PumpMessages();
    return frame;
}

double Timed(MainFrameWindow &frame, UINT command) {
    const double start = Seconds();
    SendMessageA(frame.GetHandle(), WM_COMMAND, command, 0);
    return Seconds() - start;
}

// One included file: 2,000 lines of ordinary code with a few labels and definitions.
std::string Library(int index, bool last) {
    std::string text = "; \x83\x89\x83\x43\x83\x75\x83\x89\x83\x8A " + std::to_string(index) + "\r\n#module m" +
                       std::to_string(index) + "\r\n";
    for (int line = 0; line < 1990; line += 10) {
        const std::string n = std::to_string(index) + "_" + std::to_string(line);
        text += "#deffunc f" + n + " int a, str b\r\n\tmes b + \"\x95\xB6\x8E\x9A\" : a = a * 2\r\n"
                "\trepeat a : pos 10, cnt * 20 : mes cnt : loop\r\n\tif a > 1 { return 1 } else { return 0 }\r\n"
                "\t/* comment */ x = $1F + 0b0101\r\n\treturn\r\n*l" + n + "\r\n\tgoto *l" + n +
                "\r\n\tcolor 255, 0, 0\r\n\tboxf 0, 0, 10, 10\r\n";
    }
    text += "#global\r\n";
    if (last)
        text += "#deffunc target_name int a\r\n\treturn\r\n";
    return text;
}

void ReferenceBench(const std::string &folder) {
    std::string main;
    for (int i = 1; i <= 200; ++i) {
        TestFiles::Write(folder + "lib" + std::to_string(i) + ".as", Library(i, i == 200));
        main += "#include \"lib" + std::to_string(i) + ".as\"\r\n";
    }
    main += "\ttarget_name 1\r\n";
    TestFiles::Write(folder + "main.hsp", main);
    std::vector<double> firsts, repeats;
    for (int round = 0; round < 3; ++round) {
        auto frame = Frame();
        frame->Open((folder + "main.hsp").c_str());
        const Vessary::Position caret = static_cast<Vessary::Position>(main.size()) - 8;
        frame->Current()->GotoPos(caret);
        firsts.push_back(Timed(*frame, IDM_DEFINITION_REFERENCE));
        for (int again = 0; again < 5; ++again) {
            SendMessageA(frame->GetHandle(), WM_COMMAND, IDM_REFERENCE_BACK, 0);
            frame->Current()->GotoPos(caret);
            repeats.push_back(Timed(*frame, IDM_DEFINITION_REFERENCE));
        }
        if (std::string(frame->Current()->path.FilePart()) != "lib200.as")
            std::printf("the reference did not reach lib200.as\n");
        frame->Documents().DestroyAll();
    }
    const double first = Median(firsts), repeat = Median(repeats);
    std::printf("definition reference, 200 files of 2,000 lines (%.1f MB):\n", 200.0 * Library(1, false).size() / 1048576);
    std::printf("  first:    %.3f s\n  repeated: %.3f s\n  ratio first / repeated: %.1f\n", first, repeat, first / repeat);
}

void LabelBench(const std::string &folder) {
    const std::string chunk = Library(0, false);
    std::string text;
    while (text.size() < 50u << 20)
        text += chunk;
    const std::string file = folder + "big.hsp";
    TestFiles::Write(file, text);
    std::vector<double> opens, colourings, dialogs, lists;
    size_t rows = 0;
    for (int round = 0; round < 3; ++round) {
        auto frame = Frame();
        double start = Seconds();
        frame->Open(file.c_str());
        opens.push_back(Seconds() - start);
        // The lists colour what the editor has not coloured yet; here that is timed apart.
        start = Seconds();
        { const ViewText coloured(*frame->Current()); }
        colourings.push_back(Seconds() - start);
        dialogs.push_back(Timed(*frame, IDM_JUMP_LABEL));
        JumpDialog *dialog = frame->Dialogs().OpenModeless<JumpDialog>();
        start = Seconds();
        SendMessageA(dialog->GetHandle(), WM_COMMAND, MAKEWPARAM(IDC_JUMP_RELOAD, BN_CLICKED), 0);
        lists.push_back(Seconds() - start);
        rows = static_cast<size_t>(dynamic_cast<JumpLabelDialog &>(dialog->Page(2)).List().Rows());
        frame->Dialogs().CloseModeless();
        frame->Documents().DestroyAll();
        PumpMessages();
    }
    const double open = Median(opens), list = Median(lists);
    std::printf("label list of a %.0f MB script (%zu labels):\n", text.size() / 1048576.0, rows);
    std::printf("  opening the script:                         %.3f s\n", open);
    std::printf("  colouring all of it (once, before any list): %.3f s\n", Median(colourings));
    std::printf("  jump dialog opened (its three lists filled): %.3f s\n", Median(dialogs));
    std::printf("  label tab reloaded:                         %.3f s\n", list);
    std::printf("  ratio label list / open: %.2f\n", list / open);
}

void CompletionBench(const std::string &folder) {
    std::string main;
    for (int i = 0; i < 50; ++i) {
        std::string names;
        for (int n = 0; n < 100; ++n)
            names += "#deffunc name_" + std::to_string(i) + "_" + std::to_string(n) + " int a\r\n\treturn\r\n";
        TestFiles::Write(folder + "names" + std::to_string(i) + ".as", names);
        main += "#include \"names" + std::to_string(i) + ".as\"\r\n";
    }
    TestFiles::Write(folder + "complete.hsp", main + "\tna");
    auto frame = Frame();
    frame->Open((folder + "complete.hsp").c_str());
    Document &view = *frame->Current();
    view.GotoPos(view.GetLength());
    std::vector<double> withNames, builtIn;
    for (int round = 0; round < 5; ++round) {
        withNames.push_back(Timed(*frame, IDM_CODE_COMPLETE));
        view.AutocCancel();
        const double start = Seconds();
        TypingAids::CodeComplete(view, KeywordTables::Shared().CompletionList(false));
        builtIn.push_back(Seconds() - start);
        view.AutocCancel();
    }
    const double names = Median(withNames), plain = Median(builtIn);
    std::printf("completion list with 5,000 script-defined names:\n");
    std::printf("  first: %.3f s\n  with the names: %.3f s\n  keyword files alone: %.3f s\n  ratio: %.1f\n",
                withNames[0], names, plain, names / plain);
    frame->Documents().DestroyAll();
}

}

int main() {
    const std::string folder = PrepareScratchProgram();
    if (folder.empty())
        return 1;
    ReferenceBench(folder);
    CompletionBench(folder);
    LabelBench(folder);
    TestFiles::RemoveTree(folder);
    return 0;
}
