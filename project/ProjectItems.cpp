#include "project/ProjectItems.h"

#include <tinyxml.h>

#include <cstring>

namespace {

std::string Attribute(const TiXmlElement &element, const char *name) {
    const char *value = element.Attribute(name);
    return value ? value : "";
}

// The parser's nesting guard bounds the depth of this recursion.
void ReadChildren(const TiXmlElement &element, ProjectItems::Table &table, std::vector<size_t> &into) {
    for (const TiXmlElement *child = element.FirstChildElement(); child; child = child->NextSiblingElement()) {
        const bool folder = std::strcmp(child->Value(), "holder") == 0;
        if (!folder && std::strcmp(child->Value(), "file") != 0)
            continue;
        ProjectItems::Item item;
        item.name = Attribute(*child, "name");
        item.isFolder = folder;
        if (folder) {
            const char *expand = child->Attribute("expand");
            item.expanded = !expand || std::strcmp(expand, "yes") == 0;
        } else {
            item.path = Attribute(*child, "path");
        }
        const size_t index = table.items.size();
        table.items.push_back(std::move(item));
        into.push_back(index);
        if (folder) {
            std::vector<size_t> children;
            ReadChildren(*child, table, children);
            table.items[index].children = std::move(children);
        }
    }
}

}

namespace ProjectItems {

Table Read(const TiXmlElement &style) {
    Table table;
    ReadChildren(style, table, table.top);
    return table;
}

}
