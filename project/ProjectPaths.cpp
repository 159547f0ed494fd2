#include "project/ProjectPaths.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/ShiftJis.h"

namespace {

// What a path buffer holds, terminator included (MAX_PATH).
const size_t pathCapacity = 260;

bool IsAbsolute(const char *file) {
    const bool drive = file[0] && !ShiftJis::IsLeadByte(static_cast<unsigned char>(file[0])) && file[1] == ':';
    return drive || (file[0] == '\\' && file[1] == '\\');
}

// The pieces between backslashes of their own (a trail byte 0x5C is part of its character).
std::vector<std::string> Pieces(const std::string &path, size_t from) {
    std::vector<std::string> pieces(1);
    for (size_t i = from; i < path.size(); ++i) {
        if (ShiftJis::IsLeadByte(static_cast<unsigned char>(path[i])) && i + 1 < path.size()) {
            pieces.back() += path.substr(i++, 2);
            continue;
        }
        if (path[i] == '\\')
            pieces.emplace_back();
        else
            pieces.back() += path[i];
    }
    return pieces;
}

// A path taken apart: its root ("X:", "\\server\share", or "" when relative) and its names with
// "." and ".." worked out; ".." never climbs above the root.
struct Parts {
    std::string root;
    std::vector<std::string> names;
    bool trailing = false;
};

Parts Split(const std::string &path) {
    Parts parts;
    std::vector<std::string> pieces;
    size_t skip = 0;
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        pieces = Pieces(path, 2);
        skip = std::min<size_t>(2, pieces.size());
        parts.root = "\\\\" + pieces[0] + (skip > 1 ? "\\" + pieces[1] : "");
    } else if (IsAbsolute(path.c_str())) {
        parts.root = path.substr(0, 2);
        pieces = Pieces(path, 2);
    } else {
        pieces = Pieces(path, 0);
    }
    for (size_t i = skip; i < pieces.size(); ++i) {
        if (pieces[i] == "..") {
            if (!parts.names.empty())
                parts.names.pop_back();
        } else if (!pieces[i].empty() && pieces[i] != ".") {
            parts.names.push_back(pieces[i]);
        }
    }
    parts.trailing = ShiftJis::EndsWithSeparator(path) && !parts.names.empty();
    return parts;
}

std::string Join(const Parts &parts) {
    std::string path = parts.root;
    for (size_t i = 0; i < parts.names.size(); ++i)
        path += (i > 0 || !parts.root.empty() ? "\\" : "") + parts.names[i];
    if (parts.trailing || (parts.names.empty() && parts.root.size() == 2))
        path += '\\';
    return path;
}

bool SameName(std::string a, std::string b) {
    ShiftJis::LowerAscii(a);
    ShiftJis::LowerAscii(b);
    return a == b;
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
    // What must fit is the result: ".\" and "..\" on the way do not count against it.
    const std::string resolved = Join(Split(joined));
    return resolved.size() < pathCapacity ? resolved : std::string();
}

std::string Relativise(const char *directory, const char *file) {
    if (!file || !*file || !IsAbsolute(file))
        return file ? file : "";
    // Most files lie below the folder: the common case needs no taking apart.
    std::string folder = directory;
    if (!ShiftJis::EndsWithSeparator(folder))
        folder += '\\';
    if (std::strncmp(file, folder.c_str(), folder.size()) == 0)
        return ".\\" + std::string(file + folder.size());
    const Parts from = Split(directory);
    const Parts to = Split(file);
    if (!SameName(from.root, to.root))
        return file;
    size_t common = 0;
    while (common < from.names.size() && common < to.names.size() && SameName(from.names[common], to.names[common]))
        ++common;
    // Written like every other path from the folder (".\a.hsp"); both forms read back the same.
    std::string relative = common == from.names.size() ? "." : "";
    for (size_t i = common; i < from.names.size(); ++i)
        relative += relative.empty() ? ".." : "\\..";
    for (size_t i = common; i < to.names.size(); ++i)
        relative += "\\" + to.names[i];
    if (to.trailing)
        relative += '\\';
    return relative.size() < pathCapacity ? relative : file;
}

bool HasForbiddenCharacter(const char *name) {
    for (const char *p = name; *p; ++p) {
        // Only a real trail byte is stepped over: after a lead byte, a "/" is still a "/" to
        // the path it ends up in.
        const unsigned char next = static_cast<unsigned char>(p[1]);
        if (ShiftJis::IsLeadByte(static_cast<unsigned char>(*p)) && next >= 0x40 && next <= 0xFC && next != 0x7F) {
            ++p;
            continue;
        }
        if (std::strchr("<>=/*\\", *p))
            return true;
    }
    return false;
}

bool IsValidName(const char *name) { return name && *name && !HasForbiddenCharacter(name); }

}
