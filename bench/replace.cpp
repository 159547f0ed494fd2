// Replace all of 1,000,000 hits in a 20 MB HSP script, plain and by regular expression, against
// the floor of putting the same result in: one SCI_SETTEXT of it, in the same process.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Scintilla.h"
#include "app/Tamborel.h"
#include "editor/Document.h"
#include "framework/ProgramDirectory.h"
#include "search/DocumentSearch.h"
#include "support/Messages.h"
#include "support/ScratchProgram.h"
#include "support/TestFiles.h"
#include "support/Timing.h"

namespace {

const int hits = 1000000;

// Twenty bytes a line, one hit of "foo" in each.
std::string Script(const char *word) {
    std::string text;
    text.reserve(static_cast<size_t>(hits) * 24);
    for (int i = 0; i < hits; ++i)
        text += std::string("\tcnt = ") + word + " * 2 ; x\r\n";
    return text;
}

// The median time of three replace-all runs; false when a run did not give the expected text.
bool TimeReplaceAll(const std::string &text, const char *search, int flags, const std::string &expected, double &seconds) {
    std::vector<double> times;
    for (int round = 0; round < 3; ++round) {
        ScratchFrame frame;
        frame.View().SetText(text.c_str());
        frame.View().EmptyUndoBuffer();
        const double start = Seconds();
        const int count = DocumentSearch::ReplaceAll(frame.View(), search, "value", flags, true);
        times.push_back(Seconds() - start);
        if (count != hits || frame.View().GetLength() != static_cast<intptr_t>(expected.size()))
            return false;
    }
    seconds = Median(times);
    return true;
}

double TimeSetText(const std::string &text) {
    std::vector<double> times;
    for (int round = 0; round < 3; ++round) {
        ScratchFrame frame;
        const double start = Seconds();
        frame.View().SetText(text.c_str());
        times.push_back(Seconds() - start);
    }
    return Median(times);
}

}

int main() {
    const std::string folder = PrepareScratchProgram();
    if (folder.empty())
        return 1;

    const std::string text = Script("foo");
    const std::string result = Script("value");
    std::printf("script: %.1f MB, %d hits\n", static_cast<double>(text.size()) / 1e6, hits);
    double plain = 0, regularExpression = 0;
    if (!TimeReplaceAll(text, "foo", SCFIND_MATCHCASE, result, plain) ||
        !TimeReplaceAll(text, "fo+", SCFIND_REGEXP | SCFIND_MATCHCASE, result, regularExpression)) {
        std::printf("replace all gave the wrong text\n");
        return 1;
    }
    const double floor = TimeSetText(result);
    std::printf("replace all, plain text:          %.3f s\n", plain);
    std::printf("replace all, regular expression:  %.3f s\n", regularExpression);
    std::printf("one SCI_SETTEXT of the result:    %.3f s\n", floor);
    std::printf("ratio plain / SETTEXT: %.2f, regular expression / SETTEXT: %.2f\n", plain / floor, regularExpression / floor);
    TestFiles::RemoveTree(folder);
    return 0;
}
