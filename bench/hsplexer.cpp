// The HSP lexer's speed against Lexilla's C++ lexer, in one run because these machines are noisy:
// a large HSP text built from varied scripts and a C++ text of the same size, each styled whole
// (SCI_COLOURISE 0 to -1) several times in alternation; the best time of each gives the
// throughputs and their ratio. The C++ text is every .cxx and .h file of the folders given as
// arguments, repeated. Both views use code page 932 as the program's do; the C++ lexer is also
// timed with code page 0, where it reads plain bytes and runs faster.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "Scintilla.h"
#include "vessary/HspSampleScripts.h"
#include "language/FixedKeywords.h"
#include "language/GeneratedKeywords.h"
#include "vessary/VessaryMessages.h"

namespace {

constexpr size_t minimumSize = 20u << 20;
constexpr int rounds = 5;
constexpr int cppLexer = 3;  // Lexilla's SCLEX_CPP

// The program's own lists, as the language configuration sends them.
std::vector<std::string> HspKeywordSets() {
    std::string win32, plugins;
    for (int i = 0; i < Win32ApiKeywords::libraryCount; ++i)
        win32 += Win32ApiKeywords::libraries[i].text;
    for (int i = 0; i < PluginKeywords::groupCount; ++i)
        plugins += PluginKeywords::groups[i].text;
    return {FixedKeywords::hspFunctions, FixedKeywords::hspCommands, FixedKeywords::hspMacros,
            FixedKeywords::hspDirectives, FixedKeywords::hspSystemVariables, FixedKeywords::hspReservedWords,
            win32, plugins};
}

using DirectFunction = intptr_t (*)(intptr_t, unsigned int, uintptr_t, intptr_t);

// A hidden edit control of the component, driven through its direct function.
class View {
public:
    View(int lexer, int codePage) {
        hwnd_ = CreateWindowExA(0, "Scintilla", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        if (!hwnd_)
            return;
        function_ = reinterpret_cast<DirectFunction>(SendMessageA(hwnd_, SCI_GETDIRECTFUNCTION, 0, 0));
        pointer_ = SendMessageA(hwnd_, SCI_GETDIRECTPOINTER, 0, 0);
        Send(SCI_SETCODEPAGE, static_cast<uintptr_t>(codePage));
        Send(SCI_SETUNDOCOLLECTION, 0);
        Send(SCI_SETLEXER, static_cast<uintptr_t>(lexer));
    }
    ~View() {
        if (hwnd_)
            DestroyWindow(hwnd_);
    }
    View(const View &) = delete;
    View &operator=(const View &) = delete;

    bool Ready() const { return function_ != nullptr; }
    intptr_t Send(unsigned int message, uintptr_t wParam = 0, intptr_t lParam = 0) const {
        return function_(pointer_, message, wParam, lParam);
    }
    void SetText(const std::string &text) const {
        Send(SCI_ADDTEXT, text.size(), reinterpret_cast<intptr_t>(text.data()));
    }
    double ColouriseSeconds() const {
        const auto start = std::chrono::steady_clock::now();
        Send(SCI_COLOURISE, 0, -1);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    // How many bytes carry each style, as a check that the text is lexed as code and not
    // swallowed by one unclosed comment or string.
    std::vector<size_t> StyleCounts() const {
        std::vector<size_t> counts(256);
        const intptr_t length = Send(SCI_GETLENGTH);
        for (intptr_t i = 0; i < length; ++i)
            ++counts[static_cast<size_t>(Send(SCI_GETSTYLEAT, static_cast<uintptr_t>(i)))];
        return counts;
    }

private:
    HWND hwnd_ = nullptr;
    DirectFunction function_ = nullptr;
    intptr_t pointer_ = 0;
};

std::string ExeFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string FileBytes(const std::string &path) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char block[65536];
    DWORD read = 0;
    while (::ReadFile(file, block, sizeof block, &read, nullptr) && read > 0)
        bytes.append(block, read);
    CloseHandle(file);
    return bytes;
}

std::string SourcesIn(const std::string &folder) {
    std::string text;
    for (const char *pattern : {"*.cxx", "*.h"}) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            continue;
        do {
            text += FileBytes(folder + "\\" + found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return text;
}

// The sample scripts one after another until the text is large enough.
std::string HspText() {
    std::string text;
    while (text.size() < minimumSize) {
        for (const char *script : HspSamples::scripts)
            text += script;
    }
    return text;
}

std::string Repeated(const std::string &unit, size_t size) {
    std::string text;
    while (text.size() < size)
        text += unit;
    text.resize(size);
    return text;
}

double Best(const std::vector<double> &times) { return *std::min_element(times.begin(), times.end()); }

double Megabytes(size_t bytes) { return static_cast<double>(bytes) / (1 << 20); }

void PrintMix(const char *name, const View &view, std::initializer_list<std::pair<const char *, std::vector<int>>> groups) {
    const std::vector<size_t> counts = view.StyleCounts();
    size_t total = 0;
    for (const size_t count : counts)
        total += count;
    const auto percent = [total](size_t part) { return 100.0 * static_cast<double>(part) / static_cast<double>(total); };
    std::printf("%-12s", name);
    size_t covered = 0;
    for (const auto &group : groups) {
        size_t sum = 0;
        for (const int style : group.second)
            sum += counts[static_cast<size_t>(style)];
        covered += sum;
        std::printf(" %s %.0f%%,", group.first, percent(sum));
    }
    std::printf(" other %.0f%%\n", percent(total - covered));
}

}

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_hsplexer <folder of C++ sources>...\n");
        return 2;
    }
    const std::string library = ExeFolder() + "..\\dist\\library\\Vessary.dll";
    if (!LoadLibraryA(library.c_str())) {
        std::fprintf(stderr, "cannot load %s\n", library.c_str());
        return 1;
    }
    std::string cppSources;
    for (int i = 1; i < argc; ++i)
        cppSources += SourcesIn(argv[i]);
    if (cppSources.empty()) {
        std::fprintf(stderr, "no .cxx or .h files in the folders given\n");
        return 1;
    }
    const std::string hsp = HspText();
    const std::string cpp = Repeated(cppSources, hsp.size());

    View hspView(VSLEX_HSP, 932);
    View cppView(cppLexer, 932);
    View cppPlainView(cppLexer, 0);
    if (!hspView.Ready() || !cppView.Ready() || !cppPlainView.Ready()) {
        std::fprintf(stderr, "cannot create the edit controls\n");
        return 1;
    }
    const std::vector<std::string> hspSets = HspKeywordSets();
    for (size_t set = 0; set < hspSets.size(); ++set)
        hspView.Send(SCI_SETKEYWORDS, set, reinterpret_cast<intptr_t>(hspSets[set].c_str()));
    cppView.Send(SCI_SETKEYWORDS, 0, reinterpret_cast<intptr_t>(FixedKeywords::cpp));
    cppPlainView.Send(SCI_SETKEYWORDS, 0, reinterpret_cast<intptr_t>(FixedKeywords::cpp));
    hspView.SetText(hsp);
    cppView.SetText(cpp);
    cppPlainView.SetText(cpp);

    std::vector<double> hspTimes, cppTimes, cppPlainTimes;
    for (int round = 0; round <= rounds; ++round) {
        const double h = hspView.ColouriseSeconds();
        const double c = cppView.ColouriseSeconds();
        const double p = cppPlainView.ColouriseSeconds();
        if (round == 0)
            continue;  // the first round also writes every style for the first time
        hspTimes.push_back(h);
        cppTimes.push_back(c);
        cppPlainTimes.push_back(p);
    }

    const double size = Megabytes(hsp.size());
    std::printf("text size: %.1f MB each (HSP from %zu scripts, C++ from %.1f MB of sources)\n", size,
                sizeof(HspSamples::scripts) / sizeof(HspSamples::scripts[0]), Megabytes(cppSources.size()));
    PrintMix("HSP styles:", hspView, {{"code", {0, 4, 5, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
                                      {"comment", {2, 3}}, {"string", {6, 7, 8}}});
    // The C++ lexer adds 64 to the styles of code in inactive preprocessor branches.
    std::vector<int> inactive;
    for (int style = 64; style < 128; ++style)
        inactive.push_back(style);
    PrintMix("C++ styles:", cppView, {{"code", {0, 4, 5, 9, 10, 11, 16}}, {"comment", {1, 2, 3, 15, 17, 18}},
                                      {"string", {6, 7, 12, 13, 14, 20}}, {"inactive", inactive}});
    std::printf("best of %d rounds:\n", rounds);
    const double hspRate = size / Best(hspTimes);
    const double cppRate = size / Best(cppTimes);
    const double cppPlainRate = size / Best(cppPlainTimes);
    std::printf("  HSP lexer (300), code page 932: %8.1f MB/s\n", hspRate);
    std::printf("  C++ lexer (3),   code page 932: %8.1f MB/s\n", cppRate);
    std::printf("  C++ lexer (3),   code page 0:   %8.1f MB/s\n", cppPlainRate);
    std::printf("ratio HSP / C++ (932): %.2f\n", hspRate / cppRate);
    std::printf("ratio HSP / C++ (0):   %.2f\n", hspRate / cppPlainRate);
    return 0;
}
