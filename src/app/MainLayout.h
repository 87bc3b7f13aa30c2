#pragma once

#include "ui/Form.h"

namespace pw {

class TfrmMain;

// The smallest outer size of the main window on a screen of this DPI.
ui::Size MainMinimumSize(int dpi);

// The title banner spans the client width; the update link keeps to its right edge.
void LayOutTitleBanner(TfrmMain& form, int clientWidth);

// What keeps its place whatever the proportions: the banner, the right-hand
// check box, the list between the entry row and the command buttons, the entry
// row, the list's columns and the menu link below the list. An error ends the
// pass where it got; the window stays usable as it is.
void LayOutFixedControls(TfrmMain& form, ui::Size client, int dpi, double horizontalScale);

} // namespace pw
