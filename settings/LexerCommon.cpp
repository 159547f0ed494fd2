#include "settings/LexerCommon.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <tinyxml.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "framework/ShiftJis.h"
#include "settings/LexerFields.h"
#include "settings/SelectableMenuItem.h"
#include "settings/SystemColor.h"
#include "settings/SystemFont.h"

namespace {

using namespace Colors;

const char *const ContextMenuType = "type[contextmenu]";
const char *const ToolbarItemType = "type[toolbaritem]";
const char *const LaunchTableId = "open";
const char *const ClientBindingsId = "exec";

// Every plain key, in the order the file is read and written.
template <class Fields> void PlainFields(LexerCommon &c, Fields &&fields) {
    fields.Integer("type[tamborel]property[log_level]", c.logLevel, 'W');
    fields.Integer("type[tamborel]property[initial_window_position_x]", c.initialWindowPositionX, 0);
    fields.Integer("type[tamborel]property[initial_window_position_y]", c.initialWindowPositionY, 0);
    fields.Integer("type[tamborel]property[initial_window_size_x]", c.initialWindowSizeX, 0);
    fields.Integer("type[tamborel]property[initial_window_size_y]", c.initialWindowSizeY, 0);
    fields.Color("type[tamborel]property[tooltip_font_color]", c.tooltipFontColor, Black);
    fields.Color("type[tamborel]property[tooltip_back_color]", c.tooltipBackColor, Moccasin);
    fields.Color("type[tamborel]property[subview_font_color]", c.subviewFontColor, Orange);
    fields.Color("type[tamborel]property[subview_back_color]", c.subviewBackColor, Black);
    fields.String("type[tamborel]property[documentview_font_face]", c.documentviewFontFace);
    fields.Integer("type[tamborel]property[documentview_font_size]", c.documentviewFontSize, 0);
    fields.Boolean("type[tamborel]property[always_top_most]", c.alwaysTopMost, false);
    fields.Integer("type[tamborel]property[initial_subview_size_x]", c.initialSubviewSizeX, 0);
    fields.Boolean("type[tamborel]property[menubar_visible]", c.menubarVisible, true);
    fields.Boolean("type[tamborel]property[toolbar_visible]", c.toolbarVisible, true);
    fields.Boolean("type[tamborel]property[tooltip_visible]", c.tooltipVisible, true);
    fields.Boolean("type[tamborel]property[statusbar_visible]", c.statusbarVisible, true);
    fields.String("type[tamborel]property[default_directory]", c.defaultDirectory);
    fields.Color("type[vessary]property[font_color]", c.fontColor, AliceBlue);
    fields.Color("type[vessary]property[back_color]", c.backColor, Black);
    fields.Color("type[vessary]property[side_carret_color]", c.sideCarretColor, White);
    fields.Color("type[vessary]property[over_carret_color]", c.overCarretColor, DimGray);
    fields.Boolean("type[vessary]property[horizontal_scrollbar_visible]", c.horizontalScrollbarVisible, true);
    fields.Boolean("type[vessary]property[vertical_scrollbar_visible]", c.verticalScrollbarVisible, true);
    fields.Boolean("type[vessary]property[allow_codetip_by_keyboard]", c.allowCodetipByKeyboard, true);
    fields.Boolean("type[vessary]property[allow_codetip_by_mouse]", c.allowCodetipByMouse, true);
    fields.Color("type[vessary]property[side_ruler_font_color]", c.sideRulerFontColor, DimGray);
    fields.Color("type[vessary]property[side_ruler_border_color]", c.sideRulerBorderColor, Gray);
    fields.Color("type[vessary]property[tab_and_space_font_color]", c.tabAndSpaceFontColor, DarkSlateGray);
    fields.String("type[vessary]property[font_face]", c.fontFace);
    fields.Integer("type[vessary]property[font_size]", c.fontSize, 0);
    fields.Integer("type[vessary]property[side_ruler_width]", c.sideRulerWidth, 48);
    fields.Integer("type[vessary]property[over_carret_opacity]", c.overCarretOpacity, 16);
    fields.Integer("type[vessary]property[side_carret_speed]", c.sideCarretSpeed, 500);
    fields.Integer("type[vessary]property[side_carret_width]", c.sideCarretWidth, 1);
    fields.Boolean("type[vessary]property[enable_auto_indent]", c.enableAutoIndent, true);
    fields.Integer("type[vessary]property[indent_size]", c.indentSize, 4);
    fields.Integer("type[vessary]property[indent_view_type]", c.indentViewType, 2);
    fields.Boolean("type[vessary]property[indent_by_space]", c.indentBySpace, false);
    fields.Boolean("type[vessary]property[space_visible]", c.spaceVisible, true);
}

std::string IndexId(size_t i) { return "index_" + std::to_string(i); }

// index_1, index_2, ... up to the first that is missing, has no number or holds -1. Looks the
// properties up once, so that a long list is not quadratic; the first of a duplicated id counts.
std::vector<int> ReadItemList(TiXmlElement *style, const char *type, const SelectableMenuItem &items) {
    std::vector<int> list;
    TiXmlElement *holder = Lexer::FindOrCreate(style, type);
    if (!holder)
        return list;
    std::map<std::string, const TiXmlElement *> properties;
    for (const TiXmlElement *p = holder->FirstChildElement("property"); p; p = p->NextSiblingElement("property"))
        if (const char *id = p->Attribute("id"))
            properties.emplace(id, p);
    for (size_t i = 1;; ++i) {
        const auto found = properties.find(IndexId(i));
        int value;
        if (found == properties.end() || !Lexer::ParseInteger(found->second->GetText(), value) || value == -1)
            break;
        list.push_back(items.Validate(value));
    }
    return list;
}

void WriteItemList(TiXmlElement *style, const char *type, const std::vector<int> &list) {
    TiXmlElement *holder = Lexer::FindOrCreate(style, type);
    if (!holder)
        return;
    holder->Clear();
    for (size_t i = 0; i < list.size(); ++i) {
        auto *property = new TiXmlElement("property");
        property->SetAttribute("id", IndexId(i + 1));
        property->LinkEndChild(new TiXmlText(std::to_string(list[i])));
        holder->LinkEndChild(property);
    }
}

std::string AttributeText(const TiXmlElement *element, const char *name) {
    const char *value = element->Attribute(name);
    return value ? value : "";
}

// Calls visit for each child element of every event/type element with that id.
template <class Visit> void EachTypeChild(TiXmlElement *event, const char *id, Visit &&visit) {
    if (!event)
        return;
    for (TiXmlElement *type = event->FirstChildElement("type"); type; type = type->NextSiblingElement("type")) {
        const char *typeId = type->Attribute("id");
        if (!typeId || std::strcmp(typeId, id) != 0)
            continue;
        for (TiXmlElement *child = type->FirstChildElement(); child; child = child->NextSiblingElement())
            visit(child);
    }
}

// Removes every event/type element with that id (duplicates included, or they would come back
// at the next start) and appends a new, empty one.
TiXmlElement *ReplaceType(TiXmlElement *event, const char *id) {
    TiXmlElement *type = event->FirstChildElement("type");
    while (type) {
        TiXmlElement *next = type->NextSiblingElement("type");
        const char *typeId = type->Attribute("id");
        if (typeId && std::strcmp(typeId, id) == 0)
            event->RemoveChild(type);
        type = next;
    }
    auto *fresh = new TiXmlElement("type");
    fresh->SetAttribute("id", id);
    event->LinkEndChild(fresh);
    return fresh;
}

TiXmlElement *AppendProperty(TiXmlElement *parent, const std::string &id) {
    auto *property = new TiXmlElement("property");
    property->SetAttribute("id", id);
    parent->LinkEndChild(property);
    return property;
}

std::string SlotId(size_t slot) { return "F" + std::to_string(slot + 5); }

// A copy cut to capacity without splitting a double-byte character.
void CopyCut(char *target, size_t capacity, const std::string &source) {
    const size_t end = ShiftJis::WholeLength(source.data(), std::min(source.size(), capacity - 1));
    std::memcpy(target, source.data(), end);
    target[end] = '\0';
}

}

LexerCommon::LexerCommon(const SystemFont &fonts, const SelectableMenuItem &menuItems)
    : fonts_(fonts), menuItems_(menuItems) {
    // Reading from no document gives every field its default.
    PlainFields(*this, FieldReader(nullptr));
}

void LexerCommon::Read() {
    PlainFields(*this, FieldReader(styleElement));
    contextMenuItems = ReadItemList(styleElement, ContextMenuType, menuItems_);
    toolbarItems = ReadItemList(styleElement, ToolbarItemType, menuItems_);

    launchTable.clear();
    EachTypeChild(eventElement, LaunchTableId, [this](const TiXmlElement *entry) {
        launchTable.emplace(AttributeText(entry, "id"), AttributeText(entry, "path"));
    });

    clientBindings.clear();
    EachTypeChild(eventElement, ClientBindingsId, [this](const TiXmlElement *fileType) {
        ClientSlots slots;
        for (size_t slot = 0; slot < slots.size(); ++slot) {
            const std::string id = SlotId(slot);
            for (const TiXmlElement *key = fileType->FirstChildElement(); key; key = key->NextSiblingElement()) {
                if (AttributeText(key, "id") == id) {
                    slots[slot] = {AttributeText(key, "name"), AttributeText(key, "function")};
                    break;
                }
            }
        }
        clientBindings.emplace(AttributeText(fileType, "id"), slots);
    });

    FixWindowPosition();
    FixFont(documentviewFontFace, sizeof documentviewFontFace, documentviewFontSize);
    FixFont(fontFace, sizeof fontFace, fontSize);
    FixDefaultDirectory();
}

void LexerCommon::Write() {
    PlainFields(*this, FieldWriter(styleElement));
    WriteItemList(styleElement, ContextMenuType, contextMenuItems);
    WriteItemList(styleElement, ToolbarItemType, toolbarItems);
    if (!eventElement)
        return;

    TiXmlElement *launch = ReplaceType(eventElement, LaunchTableId);
    for (const auto &entry : launchTable) {
        TiXmlElement *property = AppendProperty(launch, entry.first);
        property->SetAttribute("path", entry.second);
    }

    TiXmlElement *bindings = ReplaceType(eventElement, ClientBindingsId);
    for (const auto &entry : clientBindings) {
        TiXmlElement *fileType = AppendProperty(bindings, entry.first);
        for (size_t slot = 0; slot < entry.second.size(); ++slot) {
            TiXmlElement *key = AppendProperty(fileType, SlotId(slot));
            key->SetAttribute("name", entry.second[slot].name);
            key->SetAttribute("function", entry.second[slot].function);
        }
    }
}

void LexerCommon::FixWindowPosition() {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    initialWindowPositionX = std::max(0, std::min({initialWindowPositionX, width, width * 3 / 4}));
    initialWindowPositionY = std::max(0, std::min({initialWindowPositionY, height, height * 3 / 4}));
}

void LexerCommon::FixFont(char *face, size_t capacity, int &size) {
    const SystemFontData *font = fonts_.FindOrFallback(face);
    if (!font)
        return;
    CopyCut(face, capacity, font->name);
    size = SystemFont::SnapSize(*font, size);
}

void LexerCommon::FixDefaultDirectory() {
    if (defaultDirectory[0] && PathFileExistsA(defaultDirectory) && PathIsDirectoryA(defaultDirectory)) {
        // New documents take this as their path: without the separator its last folder would
        // read as a file name.
        const size_t length = std::strlen(defaultDirectory);
        if (!ShiftJis::EndsWithSeparator(defaultDirectory, length) && length + 1 < sizeof defaultDirectory) {
            defaultDirectory[length] = '\\';
            defaultDirectory[length + 1] = '\0';
        }
        return;
    }
    char documents[MAX_PATH] = "";
    if (!SHGetSpecialFolderPathA(nullptr, documents, CSIDL_PERSONAL, FALSE)) {
        defaultDirectory[0] = '\0';
        return;
    }
    PathAddBackslashA(documents);
    CopyCut(defaultDirectory, sizeof defaultDirectory, documents);
}
