#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

class CodePage;

// One snippet as a configuration file stores it: the three cells of its row.
struct PwcEntry {
    std::string number;
    std::string content;
    std::string hotkey;
    friend bool operator==(const PwcEntry&, const PwcEntry&) = default;
};

// The whole file: the header lines, "Count=" and three lines per entry, every
// line ending in CR LF. Contents the plain line would not keep are escaped.
std::string SerializeConfiguration(std::span<const PwcEntry> entries);

// Every complete entry of a configuration file, in index order, as the
// program appends them to its list. Any text is accepted; a file without a
// usable count gives no entries. Linear in the size of the file.
std::vector<PwcEntry> ParseConfiguration(std::string_view bytes);

// The file as it goes to the disk: in the code page when every text fits it,
// the same bytes an older copy of the program writes; otherwise UTF-8 with its
// mark.
std::string ConfigurationFileBytes(std::span<const PwcEntry> entries, CodePage& codePage);
// The entries of a file from the disk, in any of the encodings of
// StoredEncoding.
std::vector<PwcEntry> ConfigurationFileEntries(std::string_view bytes, CodePage& codePage);

// Is the path's extension exactly ".pwc" (the text from the last "." of the
// last path component)?
bool HasConfigurationExtension(std::string_view path);

} // namespace pw
