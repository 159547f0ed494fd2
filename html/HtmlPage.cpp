#include "html/HtmlPage.h"

#include <tinyxml.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const char *const insertionPoint = "tamborel";

// Doubles every DEL of the template's own names and values, as the page's content is, so that
// none of them is taken for a marker after printing.
void EscapeTemplate(TiXmlNode *node) {
    using HtmlText::EscapeContent;
    for (TiXmlNode *child = node->FirstChild(); child; child = child->NextSibling()) {
        child->SetValue(EscapeContent(child->ValueStr()));
        if (TiXmlElement *element = child->ToElement()) {
            for (TiXmlAttribute *attribute = element->FirstAttribute(); attribute; attribute = attribute->Next()) {
                attribute->SetName(EscapeContent(attribute->NameTStr()));
                attribute->SetValue(EscapeContent(attribute->ValueStr()));
            }
        }
        if (TiXmlDeclaration *declaration = child->ToDeclaration())
            *declaration = TiXmlDeclaration(EscapeContent(declaration->Version()), EscapeContent(declaration->Encoding()),
                                            EscapeContent(declaration->Standalone()));
        EscapeTemplate(child);
    }
}

// An insertion point's own children are not looked into: they go with it.
void CollectInsertionPoints(TiXmlNode *node, std::vector<TiXmlElement *> &found) {
    for (TiXmlElement *child = node->FirstChildElement(); child; child = child->NextSiblingElement()) {
        if (child->ValueStr() == insertionPoint)
            found.push_back(child);
        else
            CollectInsertionPoints(child, found);
    }
}

std::unique_ptr<TiXmlElement> MakeTable(const HtmlPage::Content &content) {
    auto table = std::make_unique<TiXmlElement>("table");
    table->SetAttribute("class", content.tableClass);
    for (const HtmlText::Row &row : content.rows.rows) {
        auto *tr = new TiXmlElement("tr");
        auto *number = new TiXmlElement("td");
        number->SetAttribute("class", content.lineClass);
        number->LinkEndChild(new TiXmlText(std::to_string(row.number)));
        auto *code = new TiXmlElement("td");
        if (!row.code.empty())
            code->LinkEndChild(new TiXmlText(row.code));
        tr->LinkEndChild(number);
        tr->LinkEndChild(code);
        table->LinkEndChild(tr);
    }
    return table;
}

// What takes the place of each kind of insertion point.
struct Fillings {
    explicit Fillings(const HtmlPage::Content &content)
        : fileName(HtmlText::EscapeContent(content.fileName)), table(MakeTable(content)) {
        styleSheet.SetValue(HtmlText::EscapeContent(content.styleSheet));
    }

    // Null for an insertion point that stays.
    const TiXmlNode *For(const char *id) const {
        const std::string which = id ? id : "";
        if (which == "filename")
            return &fileName;
        if (which == "style")
            return &styleSheet;
        return which == "source" ? table.get() : nullptr;
    }

    TiXmlText fileName;
    TiXmlComment styleSheet;
    std::unique_ptr<TiXmlElement> table;
};

}

namespace HtmlPage {

std::string Make(TiXmlDocument &page, const Content &content) {
    EscapeTemplate(&page);
    std::vector<TiXmlElement *> points;
    CollectInsertionPoints(&page, points);
    const Fillings fillings(content);
    for (TiXmlElement *point : points) {
        // ReplaceChild puts a copy in.
        if (const TiXmlNode *filling = fillings.For(point->Attribute("id")))
            point->Parent()->ReplaceChild(point, *filling);
    }
    TiXmlPrinter printer;
    printer.SetIndent("\t");
    printer.SetLineBreak("\r\n");
    page.Accept(&printer);
    return HtmlText::ReplaceMarkers(printer.Str());
}

}
