#pragma once

// The skinned controls' bitmaps in the program's resources.
#define IDB_MACOS_BUTTON 400
#define IDB_WINXP_BUTTON 401
#define IDB_MACOS_CHECKBOX 402
#define IDB_ADD_GLYPH 403
