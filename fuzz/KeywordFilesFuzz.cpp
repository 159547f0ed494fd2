// The keyword, completion and code-tip file readers over any bytes. A tip's argument ranges
// must lie inside its text (the call tip highlights them), and no control byte may reach a
// keyword list (the edit component takes its words blank-separated).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "language/KeywordFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    for (char c : KeywordFiles::KeywordText(bytes))
        if (static_cast<unsigned char>(c) < 32)
            std::abort();
    std::set<std::string> words;
    KeywordFiles::AddCompletionWords(bytes, words);
    for (const std::string &word : words)
        if (word.empty() || word.find_first_of(" \t\r\n") != std::string::npos)
            std::abort();
    CodeTipTable tips;
    KeywordFiles::AddCodeTips(bytes, tips);
    for (const auto &entry : tips) {
        const CodeTip &tip = entry.second;
        if (tip.keyword.empty() || entry.first != tip.keyword)
            std::abort();
        for (const auto &range : tip.ranges)
            if (range.first < 0 || range.first > range.second || static_cast<size_t>(range.second) > tip.text.size())
                std::abort();
    }
    return 0;
}
