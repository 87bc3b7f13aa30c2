#pragma once

#include <string>
#include <string_view>

namespace pw::win32 {

// What the program carries in its own file: the string table and the data
// resources (its pictures).
class Win32Resources {
public:
    // Empty when the table has no text of that id.
    std::string Text(int id) const;
    // Valid while the program runs; empty when there is none of that id.
    std::string_view Data(int id) const;
};

} // namespace pw::win32
