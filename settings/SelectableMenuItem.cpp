#include "settings/SelectableMenuItem.h"

#include "resources/resource.h"

namespace {

const SelectableMenuItemData table[] = {
    {0, 0, 0},
    {1, 1, IDM_NEW},
    {1, 2, IDM_NEW_PROJECT},
    {1, 3, IDM_OPEN},
    {1, 3, IDM_SAVE},
    {2, 1, IDM_UNDO},
    {2, 2, IDM_REDO},
    {2, 17, IDM_CUT},
    {2, 18, IDM_COPY},
    {2, 19, IDM_PASTE},
    {2, 33, IDM_INSERT_SEMICOLON_COMMENT},
    {2, 34, IDM_REMOVE_SEMICOLON_COMMENT},
    {2, 35, IDM_INSERT_SLASH_COMMENT},
    {2, 36, IDM_INSERT_BLOCK_COMMENT},
    {2, 97, IDM_LOWER_CASE},
    {2, 98, IDM_UPPER_CASE},
    {2, 113, IDM_SELECT_ALL},
    {3, 1, IDM_FIND},
    {3, 2, IDM_FIND_NEXT},
    {3, 3, IDM_FIND_PREVIOUS},
    {3, 4, IDM_JUMP_POSITION},
    {3, 17, IDM_JUMP_KEYWORD},
    {3, 18, IDM_JUMP_LABEL},
    {3, 19, IDM_JUMP_CHAMELEON_LABEL},
    {3, 20, IDM_JUMP_DEFINITION},
    {3, 33, IDM_DEFINITION_REFERENCE},
    {3, 34, IDM_REFERENCE_BACK},
    {4, 1, IDM_SPLIT_HORIZONTAL},
    {4, 2, IDM_SPLIT_VERTICAL},
    {4, 3, IDM_CODE_COMPLETE},
    {5, 1, IDM_HSP_START_AX},
    {5, 2, IDM_HSP_PACKFILE},
    {5, 11, IDM_HSP_HOME},
    {5, 12, IDM_HSP_DEBUG_WINDOW},
    {6, 3, IDM_CLOSE_DOCUMENT},
    {6, 4, IDM_CLOSE_ALL},
    {8, 1, IDM_CLIENT_F5},
    {8, 2, IDM_CLIENT_F6},
    {8, 3, IDM_CLIENT_F7},
    {8, 4, IDM_CLIENT_F8},
    {10, 2, IDM_UPDATE_CHECK},
    {10, 3, IDM_SETTINGS},
};

static_assert(sizeof table / sizeof table[0] == SelectableMenuItem::Count, "the table has 42 rows");

}

const SelectableMenuItemData &SelectableMenuItem::operator[](int position) const {
    if (position < 0 || position >= Count)
        position = 0;
    return table[position];
}

int SelectableMenuItem::PositionOf(int id) const {
    for (int i = 0; i < Count; ++i)
        if (table[i].id == id)
            return i;
    return -1;
}

const SelectableMenuItemData *SelectableMenuItem::Find(int id) const {
    const int position = PositionOf(id);
    return position < 0 ? nullptr : &table[position];
}

int SelectableMenuItem::Validate(int id) const { return Find(id) ? id : table[0].id; }
