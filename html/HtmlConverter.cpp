#include "html/HtmlConverter.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "app/System.h"
#include "editor/Document.h"
#include "editor/SelectionBounds.h"
#include "framework/ShiftJis.h"
#include "html/HtmlPage.h"
#include "log/Logger.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"
#include "settings/SettingFile.h"
#include "settings/SystemColor.h"

namespace {

using Position = Vessary::Position;

// A table colour by its name in lower case (a CSS keyword); any other as #rrggbb.
std::string ColorName(COLORREF color) {
    const SystemColor &colors = System::Get().Colors();
    const int index = colors.IndexOf(color);
    if (index >= 0)
        return ShiftJis::LowerAscii(colors[index].name);
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", GetRValue(color), GetGValue(color), GetBValue(color));
    return hex;
}

// A setting's colour as the editor shows it: one outside the table shows as its first entry.
std::string SettingColor(COLORREF color) { return ColorName(System::Get().Colors().Lookup(color)); }

std::string Format(const char *format, ...) {
    char line[1024];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    return line;
}

std::string SpanPrefix(const HtmlPage::Content &content) { return content.tableClass + "type"; }

std::string StyleSheet(const HtmlPage::Content &content, const Vessary &view) {
    const LexerCommon &settings = System::Get().Settings().Common();
    std::string sheet = Format("table.%s { width:100%%; border-collapse:collapse; font-family:'%s', monospace; "
                               "font-size:%dpx; color:%s; background-color:%s; }\r\n",
                               content.tableClass.c_str(), settings.fontFace, settings.fontSize,
                               SettingColor(settings.fontColor).c_str(), SettingColor(settings.backColor).c_str());
    sheet += Format("table.%s td.%s { width:%dpx; border-right:1px solid %s; padding:0px 2px 0px 12px; "
                    "white-space:nowrap; text-align:right; vertical-align:middle; color:%s; background-color:%s; }\r\n",
                    content.tableClass.c_str(), content.lineClass.c_str(), settings.sideRulerWidth,
                    SettingColor(settings.sideRulerBorderColor).c_str(), SettingColor(settings.sideRulerFontColor).c_str(),
                    SettingColor(settings.backColor).c_str());
    for (int style : content.rows.styles)
        sheet += Format("span.%s%02d { color:%s; }\r\n", SpanPrefix(content).c_str(), style, ColorName(view.StyleGetFore(style)).c_str());
    return sheet;
}

// The selection, or the whole text when nothing is selected.
void Range(const Vessary &view, Position &start, Position &end) {
    const SelectionBounds selection = SelectionBounds::Of(view);
    start = selection.start;
    end = selection.end;
    if (start == end) {
        start = 0;
        end = view.GetLength();
    }
}

HtmlPage::Content Collect(Document &document) {
    HtmlPage::Content content;
    content.fileName = document.path.Name();
    content.tableClass = Format("lang%03d", document.Language());
    content.lineClass = content.tableClass + "line";
    Position start = 0;
    Position end = 0;
    Range(document, start, end);
    // One byte more, to see whether a CR at the end is followed by LF.
    std::string text;
    std::string styles;
    document.GetStyledText(start, std::min(end + 1, document.GetLength()), text, styles);
    content.rows = HtmlText::WalkLines(text, styles, static_cast<size_t>(end - start),
                                       document.LineFromPosition(start) + 1, SpanPrefix(content));
    content.styleSheet = StyleSheet(content, document);
    return content;
}

}

namespace HtmlConverter {

bool ConvertToHtml(Document &document) {
    const std::string path = std::string(System::Get().Directory()) + "template\\html.xml";
    TiXmlDocument page;
    if (SettingFile::Load(page, path.c_str()) != SettingFile::State::Parsed) {
        System::Get().GetLogger().Error("%s [%s]", "couldn't read template file.", path.c_str());
        return false;
    }
    document.Colourise(0, -1);
    const std::string html = HtmlPage::Make(page, Collect(document));
    UndoGroup group(document);
    document.ClearAll();
    document.AddText(html.data(), static_cast<Position>(html.size()));
    return true;
}

}
