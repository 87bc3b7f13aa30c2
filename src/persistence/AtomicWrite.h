#pragma once

#include "platform/Desktop.h"

#include <string>
#include <string_view>

namespace pw {

// Writes the bytes beside the file first and then puts them in its place in
// one step, so a full disk, a read-only folder or a crash never leaves the
// old file damaged. On failure the old file is as it was and the temporary
// file is gone; the result carries the system's reason.
//
// What the user set on the file holds: a file marked read-only is refused
// before anything is written, a replaced file keeps its attributes, and a
// symbolic link is followed, so the file it names gets the bytes and the
// link stays a link.
IoResult WriteFileAtomically(Desktop& desktop, const std::string& path, std::string_view bytes);

// The temporary file a write goes through: in the same folder, so the final
// step is a rename within one volume.
std::string TemporaryPathFor(const std::string& path);

} // namespace pw
