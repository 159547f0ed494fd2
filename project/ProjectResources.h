// Control ids of the project settings dialog (template IDD_PROJECT). Plain #defines: the resource
// compiler reads this too.
#pragma once

#define IDC_PROJECT_TAB 1011
#define IDC_PROJECT_STARTUP 1012
#define IDC_PROJECT_ENTRY 1013
#define IDC_PROJECT_ENTRY_BROWSE 1014
#define IDC_PROJECT_ENTRY_CLEAR 1015
#define IDC_PROJECT_STARTUP_BROWSE 1016
#define IDC_PROJECT_STARTUP_CLEAR 1017
#define IDC_PROJECT_SAVE_ALL 1018
#define IDC_PROJECT_STEPS 1020
