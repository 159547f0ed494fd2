// The keyword lists made by the tools/ scripts: one lower-case keyword text per library or
// plug-in (each word followed by a blank), in the order the built list joins them.
#pragma once

struct KeywordGroup {
    const char *name;
    int words;
    const char *text;
};

// The exported functions of the Windows system libraries (tools/win32_api_keywords.py).
namespace Win32ApiKeywords {
extern const KeywordGroup libraries[];
extern const int libraryCount;
}

// The commands and functions of the HSP plug-ins (tools/hsp_data.py).
namespace PluginKeywords {
extern const KeywordGroup groups[];
extern const int groupCount;
}
