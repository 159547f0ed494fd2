// The project file's reading over any bytes: the settings reader's guards, the table of holders
// and files the pane builds its tree from, and the stored paths resolved against the project's
// folder. A relative path read back must come out the same after the program writes it again
// (relativised) and reads it once more, or a project loses its files over a save.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <tinyxml.h>

#include "project/ProjectItems.h"
#include "project/ProjectPaths.h"
#include "settings/SettingFile.h"

namespace {

void Check(bool holds) {
    if (!holds)
        std::abort();
}

// Project folders as the program has them: absolute, ending in a backslash (表 ends in 0x5C),
// with the root that no relative path may climb above.
struct Folder {
    const char *path;
    const char *root;
};
const Folder folders[] = {{"C:\\games\\\x95\x5C\\", "C:\\"}, {"C:\\", "C:\\"},
                          {"\\\\server\\share\\work\\", "\\\\server\\share"}, {"D:\\a\\b\\c\\", "D:\\"}};

bool IsLeadByte(char c) {
    const unsigned char b = static_cast<unsigned char>(c);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

const TiXmlElement *Style(TiXmlDocument &document) {
    TiXmlElement *body = document.FirstChildElement("body");
    if (!body && document.FirstChildElement())
        body = document.FirstChildElement()->FirstChildElement("body");
    return body ? body->FirstChildElement("style") : nullptr;
}

// Every item is reached exactly once from the top, and only holders hold items.
void CheckTable(const ProjectItems::Table &table) {
    std::vector<int> reached(table.items.size(), 0);
    for (size_t index : table.top)
        Check(index < table.items.size() && ++reached[index] == 1);
    for (const ProjectItems::Item &item : table.items) {
        Check(item.isFolder || (item.children.empty() && item.expanded));
        for (size_t index : item.children)
            Check(index < table.items.size() && ++reached[index] == 1);
    }
    for (int count : reached)
        Check(count == 1);
}

// A relative path stays below the folder's root and reads back the same after it is written.
void CheckPath(const Folder &folder, const std::string &stored) {
    const std::string resolved = ProjectPaths::Resolve(folder.path, stored.c_str());
    std::string slashed = stored;
    for (char &c : slashed)
        c = c == '/' ? '\\' : c;
    const bool drive = slashed.size() > 1 && !IsLeadByte(slashed[0]) && slashed[1] == ':';
    if (drive || slashed.compare(0, 2, "\\\\") == 0) {
        Check(resolved == slashed);
        return;
    }
    if (resolved.empty())
        return;
    Check(resolved.size() < 260 && resolved.compare(0, std::string(folder.root).size(), folder.root) == 0);
    const std::string written = ProjectPaths::Relativise(folder.path, resolved.c_str());
    Check(ProjectPaths::Resolve(folder.path, written.c_str()) == resolved);
}

// An item a user may name so is one name in its folder: joined to it, nothing is worked out.
void CheckName(const Folder &folder, const std::string &name) {
    if (!ProjectPaths::IsValidName(name.c_str()) || name == "." || name == ".." || (name.size() > 1 && name[1] == ':'))
        return;
    const std::string joined = folder.path + name;
    if (joined.size() < 260)
        Check(ProjectPaths::Resolve(folder.path, name.c_str()) == joined);
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1)
        return 0;
    const Folder &folder = folders[data[0] % (sizeof folders / sizeof folders[0])];
    const std::string bytes(reinterpret_cast<const char *>(data + 1), size - 1);
    TiXmlDocument document;
    if (SettingFile::Parse(document, bytes) != SettingFile::State::Parsed)
        return 0;
    const TiXmlElement *style = Style(document);
    if (!style)
        style = document.RootElement();
    if (!style)
        return 0;
    const ProjectItems::Table table = ProjectItems::Read(*style);
    CheckTable(table);
    for (const ProjectItems::Item &item : table.items) {
        CheckName(folder, item.name);
        if (!item.isFolder)
            CheckPath(folder, item.path);
    }
    return 0;
}
