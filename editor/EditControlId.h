// Control identifiers of the main frame's children.
#pragma once

const int EditControlId = 32001;
const int ProjectPaneId = 32002;
const int DocumentViewId = 32004;
const int StatusBarId = 32005;
const int ToolBarId = 32006;
const int StatusTimerId = 32007;
const int ProjectToolBarId = 32008;
const int ProjectTreeId = 32009;
const int PathFieldId = 32011;
