#pragma once

#include <string>
#include <string_view>

namespace pw {

// The system's own upper-casing, which decides when two texts of any script
// are the same text. One character maps to one character (a German sharp s
// stays as it is), as the system maps them.
class TextCase {
public:
    virtual ~TextCase() = default;
    virtual std::u16string UpperCase(std::u16string_view text) = 0;
};

} // namespace pw
