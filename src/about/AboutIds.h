#pragma once

// Control and picture ids of the about box (band 1400-1499), shared with the
// resource script and the end-to-end driver.
#define IDC_ABOUT_BANNER 1401
#define IDC_ABOUT_ICON 1402
#define IDC_ABOUT_NAME 1403
#define IDC_ABOUT_VERSION 1404
#define IDC_ABOUT_COPYRIGHT 1405
#define IDC_ABOUT_EMAIL 1406
#define IDC_ABOUT_LINE 1407
#define IDC_ABOUT_SITE 1408
#define IDC_ABOUT_DONATE 1409
#define IDC_ABOUT_OK 1410

#define IDB_ABOUT_BANNER 1450
#define IDB_ABOUT_DONATE 1451
