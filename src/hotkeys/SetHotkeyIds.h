#pragma once

// Control ids of the Edit item dialog (band 1200-1299), shared with the
// end-to-end driver.
#define IDC_SETHOTKEY_GROUP 1201
#define IDC_SETHOTKEY_LABEL_CONTENT 1202
#define IDC_SETHOTKEY_CLIPSTR 1203
#define IDC_SETHOTKEY_LABEL_HOTKEY 1204
#define IDC_SETHOTKEY_HOTKEY 1205
#define IDC_SETHOTKEY_OK 1206
#define IDC_SETHOTKEY_CANCEL 1207
#define IDC_SETHOTKEY_UNREGISTER 1208
