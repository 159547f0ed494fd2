// The common section (lexer\_common.xml): the application's, the editor's and the menus'
// settings, the file-type launch table and the client key bindings.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "settings/Lexer.h"

class SystemFont;
class SelectableMenuItem;

struct ClientSlot {
    std::string name;
    std::string function;
};
// Slots for the keys F5 to F8.
using ClientSlots = std::array<ClientSlot, 4>;

class LexerCommon : public Lexer {
public:
    LexerCommon(const SystemFont &fonts, const SelectableMenuItem &menuItems);

    void Read() override;
    void Write() override;
    const char *FileName() const override { return "\\lexer\\_common.xml"; }
    const char *TemplateName() const override { return "\\template\\_common.xml"; }

    // type[tamborel]
    int logLevel;
    int initialWindowPositionX;
    int initialWindowPositionY;
    int initialWindowSizeX;
    int initialWindowSizeY;
    COLORREF tooltipFontColor;
    COLORREF tooltipBackColor;
    COLORREF subviewFontColor;
    COLORREF subviewBackColor;
    char documentviewFontFace[32];
    int documentviewFontSize;
    bool alwaysTopMost;
    int initialSubviewSizeX;
    bool menubarVisible;
    bool toolbarVisible;
    bool tooltipVisible;
    bool statusbarVisible;
    char defaultDirectory[260];
    // type[vessary]
    COLORREF fontColor;
    COLORREF backColor;
    COLORREF sideCarretColor;
    COLORREF overCarretColor;
    bool horizontalScrollbarVisible;
    bool verticalScrollbarVisible;
    bool allowCodetipByKeyboard;
    bool allowCodetipByMouse;
    COLORREF sideRulerFontColor;
    COLORREF sideRulerBorderColor;
    COLORREF tabAndSpaceFontColor;
    char fontFace[32];
    int fontSize;
    int sideRulerWidth;
    int overCarretOpacity;
    int sideCarretSpeed;
    int sideCarretWidth;
    bool enableAutoIndent;
    int indentSize;
    int indentViewType;
    bool indentBySpace;
    bool spaceVisible;
    // Command ids; 0 is a separator.
    std::vector<int> contextMenuItems;
    std::vector<int> toolbarItems;
    // File type (extension without dot, or "*") to the program that opens it.
    std::map<std::string, std::string> launchTable;
    // File type to the client functions bound to F5 ... F8.
    std::map<std::string, ClientSlots> clientBindings;

private:
    // The fixes after reading: the window inside the screen, faces and sizes the system offers,
    // a default directory that exists.
    void FixWindowPosition();
    void FixFont(char *face, size_t capacity, int &size);
    void FixDefaultDirectory();

    const SystemFont &fonts_;
    const SelectableMenuItem &menuItems_;
};
