// One item of the project tree: a folder or a file.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

struct ProjectNode {
    // The parent folder's item; TVI_ROOT for the root folder.
    HTREEITEM parent;
    // The label, written as the element's name.
    std::string name;
    // A file's absolute path; empty for a folder.
    std::string path;
    bool isFolder;
    // The order the node was made in: a folder's children are written in this order, which is
    // the tree's as loaded, with items added since at the end.
    unsigned long sequence;
};
