#include "html/HtmlCommands.h"

#include "editor/Document.h"
#include "frame/Workbench.h"
#include "html/HtmlConverter.h"
#include "resources/resource.h"

const CommandRoute<HtmlCommands> HtmlCommands::routes[] = {
    {IDM_CONVERT_HTML, IDM_CONVERT_HTML, &HtmlCommands::OnConvert},
};

bool HtmlCommands::OnCommand(UINT id) { return DispatchCommand(routes, *this, id); }

void HtmlCommands::OnConvert(UINT) {
    if (Document *view = workbench_.ActiveView())
        HtmlConverter::ConvertToHtml(*view);
}
