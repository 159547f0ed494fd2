// The navigation part's dialog templates and control ids. Plain #defines: the resource
// compiler reads this too.
#pragma once

#define IDD_JUMP_POSITION 147
#define IDD_JUMP_LABEL 148
#define IDD_JUMP_DEFINITION 149
#define IDD_JUMP_KEYWORD 158

#define IDC_JUMP_TAB 1011
#define IDC_JUMP_LINE 1026
#define IDC_JUMP_COLUMN 1028
#define IDC_JUMP_OFFSET 1030
#define IDC_JUMP_LIST 1108
#define IDC_JUMP_KINDS 1110
#define IDC_JUMP_GO_LINE 1111
#define IDC_JUMP_GO_OFFSET 1113
#define IDC_JUMP_RELOAD 1116
#define IDC_JUMP_KEYWORD 1154
#define IDC_JUMP_SCOPE_DOCUMENT 1156
#define IDC_JUMP_SCOPE_PROJECT 1158
