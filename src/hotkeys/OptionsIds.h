#pragma once

// Control ids of the Options dialog (band 1300-1399), shared with the
// end-to-end driver: field N is IDC_OPTIONS_HOTKEY1 + N - 1.
#define IDC_OPTIONS_GROUP 1301
#define IDC_OPTIONS_OK 1302
#define IDC_OPTIONS_CANCEL 1303
#define IDC_OPTIONS_HOTKEY1 1310
#define IDC_OPTIONS_LABEL1 1330
