#include "project/ProjectPaths.h"

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstring>

#include "framework/ShiftJis.h"

namespace {

bool IsAbsolute(const char *file) {
    const bool drive = file[0] && !ShiftJis::IsLeadByte(static_cast<unsigned char>(file[0])) && file[1] == ':';
    return drive || (file[0] == '\\' && file[1] == '\\');
}

}

namespace ProjectPaths {

std::string Resolve(const char *directory, const char *stored) {
    // One file, one name: a hand-written "sub/a.hsp" names what the program writes "sub\a.hsp". A
    // slash is never a trail byte, so the replacement cannot break a double-byte character.
    std::string path = stored ? stored : "";
    std::replace(path.begin(), path.end(), '/', '\\');
    if (path.empty() || IsAbsolute(path.c_str()))
        return path;
    std::string joined = directory;
    if (!ShiftJis::EndsWithSeparator(joined))
        joined += '\\';
    joined += path[0] == '\\' ? path.substr(1) : path;
    char canonical[MAX_PATH] = "";
    if (joined.size() >= MAX_PATH || !PathCanonicalizeA(canonical, joined.c_str()))
        return std::string();
    return canonical;
}

std::string Relativise(const char *directory, const char *file) {
    if (!file || !*file || !IsAbsolute(file))
        return file ? file : "";
    // Most files lie below the folder: the common case needs no call.
    std::string folder = directory;
    if (!ShiftJis::EndsWithSeparator(folder))
        folder += '\\';
    if (std::strncmp(file, folder.c_str(), folder.size()) == 0)
        return ".\\" + std::string(file + folder.size());
    char relative[MAX_PATH] = "";
    if (!PathRelativePathToA(relative, directory, FILE_ATTRIBUTE_DIRECTORY, file, FILE_ATTRIBUTE_NORMAL))
        return file;
    // Written like every other path from the folder (".\a.hsp"); both forms read back the same.
    if (relative[0] == '\\' && relative[1] != '\\')
        return std::string(".") + relative;
    return relative;
}

bool HasForbiddenCharacter(const char *name) {
    for (const char *p = name; *p; ++p) {
        if (ShiftJis::IsLeadByte(static_cast<unsigned char>(*p))) {
            // A lead byte at the very end has no trail byte to step over.
            if (!p[1])
                return false;
            ++p;
            continue;
        }
        if (std::strchr("<>=/*\\", *p))
            return true;
    }
    return false;
}

}
