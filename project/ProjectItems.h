// The holders and files of a project file's style element as a plain table, apart from the tree
// control: what the pane builds its tree from, and what can be read from any bytes at all.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class TiXmlElement;

namespace ProjectItems {

struct Item {
    // The element's "name".
    std::string name;
    // A file's "path" as stored; empty for a holder.
    std::string path;
    bool isFolder = false;
    // A holder without "expand", or with "yes".
    bool expanded = true;
    // The items inside a holder, as indexes into the table, in the file's order.
    std::vector<size_t> children;
};

struct Table {
    std::vector<Item> items;
    // The items directly under the style element.
    std::vector<size_t> top;
};

// Every holder and file, at any depth; other elements are left out with all they hold.
Table Read(const TiXmlElement &style);

}
