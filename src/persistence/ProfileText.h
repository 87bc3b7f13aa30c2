#pragma once

#include "persistence/ProfileFile.h"
#include "persistence/StoredEncoding.h"
#include "platform/CodePage.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace pw {

// A profile file's bytes as the program reads them and writes them back.
//
// The text is read in the encoding its mark names (the code page without
// one). A line that does not come back byte for byte from its text (damaged
// Unicode, a byte the code page has no character for) is kept as it was and
// written back so while the program leaves it alone, and a stray last byte of
// a UTF-16 file (half a character) stays at the end: nothing the user kept is
// lost by a write.
//
// A file written in the code page stays there while every text fits it, byte
// for byte as before; a text that does not fit makes it UTF-16 with its mark,
// the form the system's own profile functions read. A Unicode file keeps its
// encoding.
class ProfileText {
public:
    static ProfileText Decode(std::string_view bytes, CodePage& codePage);

    // The file's text in UTF-8.
    const std::string& Text() const { return text_; }
    // The file parsed from the text, which moves into it: Text() is empty
    // after. A list of megabytes is not copied again.
    ProfileFile TakeFile() { return ProfileFile::ParseTaking(std::move(text_)); }
    StoredEncoding Encoding() const { return encoding_; }

    // The file, as parsed from Text() and changed since.
    std::string Encode(const ProfileFile& file, CodePage& codePage) const;

private:
    // Writes the file in the encoding; false when a text does not fit it.
    bool EncodeAs(std::string& out, const ProfileFile& file, StoredEncoding target,
                  CodePage& codePage) const;

    StoredEncoding encoding_ = StoredEncoding::CodePage;
    std::string text_;
    // The lines that did not come through whole, by number, as their bytes
    // were.
    std::unordered_map<std::size_t, std::string> originals_;
    std::string strayByte_;
};

} // namespace pw
