#pragma once

// The skinned controls' bitmaps in the program's resources (band 1500-1599).
#define IDB_MACOS_BUTTON 1550
#define IDB_WINXP_BUTTON 1551
#define IDB_MACOS_CHECKBOX 1552
#define IDB_ADD_GLYPH 1553
