#pragma once

#include "platform/CodePage.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace pw {

// Text between the program's UTF-8 and the code page, fast enough for files
// of megabytes. Most code pages take one byte a character: then the 128
// characters above ASCII are asked of the system once, and the conversion
// copies ASCII as it stands and looks the rest up. A code page of double-byte
// characters (whose second byte can look like ASCII) is converted whole by
// the system.
class CodePageText {
public:
    explicit CodePageText(CodePage& codePage);

    // The text of the bytes; `whole` says whether it gives the bytes back
    // (a byte the code page leaves undefined may not).
    std::string ToUtf8(std::string_view ansi, bool& whole) const;
    // Appends the text in the code page, or nothing (false) unless every
    // character is there and reads back as it was.
    bool AppendFromUtf8(std::string& out, std::string_view text) const;

private:
    CodePage& codePage_;
    bool singleByte_ = true;
    // Bytes 0x80 to 0xFF: the character each reads as, in UTF-8, and
    // whether that character is written as the same byte again.
    std::array<std::string, 128> high_;
    std::array<bool, 128> roundTrips_{};
    // The characters those bytes read as, and the byte each is written as.
    std::unordered_map<char32_t, char> byteOf_;
};

} // namespace pw
