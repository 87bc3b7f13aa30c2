#pragma once

#include "persistence/ProfileFile.h"
#include "platform/CodePage.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace pw {

// A profile file's bytes as the program reads them and writes them back.
//
// A file saved as Unicode (UTF-16 after its byte-order mark, little- or
// big-endian, as Notepad saves it) is read in the program's code page, as the
// system's own profile functions give it, and written back as Unicode with
// its mark. The lines the program leaves alone keep every character they had,
// also those the code page has no room for, and a stray last byte (half a
// character) stays at the end: nothing the user kept is lost by a write.
// Any other file is taken byte for byte.
class ProfileText {
public:
    static ProfileText Decode(std::string_view bytes, CodePage& codePage);

    // The file's text in the program's code page.
    const std::string& Text() const { return text_; }
    bool IsUnicode() const { return encoding_ != Encoding::CodePage; }

    // The file, as parsed from Text() and changed since, in the encoding it
    // was read in.
    std::string Encode(const ProfileFile& file, CodePage& codePage) const;

private:
    enum class Encoding { CodePage, Utf16Le, Utf16Be };

    Encoding encoding_ = Encoding::CodePage;
    std::string text_;
    // The lines that did not come through the code page whole, by number,
    // as they were.
    std::unordered_map<std::size_t, std::u16string> originals_;
    std::string strayByte_;
};

} // namespace pw
