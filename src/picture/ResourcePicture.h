#pragma once

#include "ui/Picture.h"

namespace pw {

class Desktop;

// A JPEG picture from the program's resources; no picture when the resource
// is missing or damaged.
ui::Picture JpegResource(Desktop& desktop, int id);

} // namespace pw
