// Resource identifiers of LmvEngine.exe, shared by the resource script and
// the code.
#pragma once

#define IDS_DESCRIPTION 1    // the saver's name in the Screen Saver settings list
#define IDD_ABOUTBOX 103     // the about box
#define IDM_ABOUT 104        // command: show the about box
#define IDM_EXIT 105         // command: close the window
#define IDI_LMVENGINE 107    // large icon
#define IDI_SMALL 108        // small icon
#define IDC_LMVENGINE 109    // window class name (string) and accelerator table
#define IDC_ABOUT_ICON 1001  // controls of the about box
#define IDC_ABOUT_NAME 1002
#define IDC_ABOUT_WEB 1003
