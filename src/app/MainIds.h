#pragma once

// Resource and control ids of the main window (band 1000-1099), shared by the
// window design, the resource script and the end-to-end driver.
#define IDI_PASTEWISE 1
#define IDC_EDIT_CLIPSTRING 1001
#define IDC_BUTTON_ADD 1002
#define IDC_CHECK_AUTOCOPY 1003
#define IDC_CHECK_AUTOADD 1004
#define IDC_CHECK_ALWAYSONTOP 1005
#define IDC_LISTVIEW 1006
#define IDC_BUTTON_EDIT 1007
#define IDC_BUTTON_UP 1008
#define IDC_BUTTON_DOWN 1009
#define IDC_BUTTON_REMOVE 1010
#define IDC_BUTTON_EXIT 1011
#define IDC_GROUP_ENTRY 1012
#define IDC_LABEL_TITLE 1013
#define IDC_LABEL_TITLEHINT 1014
#define IDC_LABEL_UPDATE 1015
#define IDC_LABEL_MENU 1016
#define IDC_LABEL_DONATE 1017
#define IDC_IMAGE_TITLE 1018
#define IDC_IMAGE_ICON 1019
#define IDC_IMAGE_UPDATE 1020
#define IDC_IMAGE_MENU 1021

// String table (band 2000-2099).
#define IDS_APP_TITLE 2001
#define IDS_VERSION 2002
#define IDS_TRAY_TIP 2003

// Pictures (band 3000-3099): JPEG data resources and icons.
#define IDB_BANNER 3001
#define IDI_UPDATE 3002
#define IDI_MENU 3003
#define IDI_MENU_HOVER 3004
