#pragma once

#include "platform/Desktop.h"

#include <cstddef>
#include <string_view>

namespace pw {

// How long the root of a path is: "C:\" or "C:" on a drive, "\\server\share\"
// on a network share (the whole path when it names no more), a lone leading
// separator, or 0 for a relative path.
std::size_t RootLength(std::string_view path);

// The folder and every missing parent. Only the folders that do not exist are
// created, from the deepest one that exists downward: the root itself, a
// drive or a network share, cannot be created and is never tried.
IoResult CreateMissingFolders(Desktop& desktop, std::string_view path);

} // namespace pw
