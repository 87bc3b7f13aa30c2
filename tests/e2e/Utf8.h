#pragma once

#include <string>
#include <string_view>

namespace e2e {

// The driver keeps its texts and paths in UTF-8, as the program does, and speaks UTF-16 to
// the system. Converted by the system itself, not by the program's own code under test.
std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

} // namespace e2e
