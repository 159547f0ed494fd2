// The page of the HTML export: the template's insertion points filled and the page printed.
// Works on the parsed template only, so that it can be driven with any template.
#pragma once

#include <string>

#include "html/HtmlText.h"

class TiXmlDocument;

namespace HtmlPage {

struct Content {
    std::string fileName;
    std::string styleSheet;
    std::string tableClass;
    std::string lineClass;
    HtmlText::Rows rows;
};

// The finished page: the template's elements <tamborel id="filename|style|source"> replaced by
// the file name, the style sheet (as a comment) and the table; other tamborel elements stay.
std::string Make(TiXmlDocument &page, const Content &content);

}
