#pragma once

#include "platform/Desktop.h"

#include <string>
#include <string_view>

namespace pw::win32 {

// Files and folders by full path: whole-file reads, the durable writes the
// atomic save is built from, and where the program itself lies. A failure
// carries the system's own words for it.
class Win32Files {
public:
    bool FileExists(const std::string& path) const;
    IoResult Read(const std::string& path, std::string& bytes) const;
    IoResult WriteDurably(const std::string& path, std::string_view bytes) const;
    IoResult MoveReplacing(const std::string& from, const std::string& to) const;
    std::string FinalPath(const std::string& path) const;
    IoResult CheckWritable(const std::string& path) const;
    IoResult Remove(const std::string& path) const;
    IoResult CreateFolder(const std::string& path) const;
    bool FolderExists(const std::string& path) const;
    std::string ProgramFolder() const;
};

} // namespace pw::win32
