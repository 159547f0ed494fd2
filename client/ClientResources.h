// Control ids of the client dialog (template IDD_CLIENT). Plain #defines: the resource compiler
// reads them too.
#pragma once

#define IDC_CLIENT_FUNCTIONS 1011
#define IDC_CLIENT_NAME 1161
#define IDC_CLIENT_VERSION 1162
#define IDC_CLIENT_AUTHOR 1163
#define IDC_CLIENT_DESCRIPTION 1164
#define IDC_CLIENT_COPYRIGHT 1165
#define IDC_CLIENT_URL 1166
#define IDC_CLIENT_MAIL 1167
#define IDC_CLIENT_SDK_MESSAGE 1168
#define IDC_CLIENT_EXPLANATION 1169
