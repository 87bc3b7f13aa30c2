#pragma once

#include "platform/win32/Unique.h"

#include <optional>

namespace pw::win32 {

// Decides which of several starts in this session runs the program. The window
// class alone cannot: the first start has no window in its first moments, so a
// named mutex decides, and a later start waits for the first one's window to
// hand over to it. Returns the claim, to be held while the program runs, or
// nothing when the running instance was asked to come to the front instead.
std::optional<UniqueHandle> ClaimSingleInstance();

} // namespace pw::win32
