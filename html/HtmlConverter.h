// Turns a document's coloured text (its selection, or all of it) into an HTML page from the
// template template\html.xml, with colours and fonts as the editor shows them. The page replaces
// the document's text as one undo step.
#pragma once

class Document;

namespace HtmlConverter {

// False, with a log line and the document untouched, when the template cannot be read.
bool ConvertToHtml(Document &document);

}
