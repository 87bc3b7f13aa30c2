#pragma once

#include <string>
#include <string_view>

namespace pw {

// The two line-based formats a snippet's text is stored in. Each loses
// different texts when they are written plainly: both end a value at a line
// break and drop trailing blanks and control characters; options.ini also
// drops leading ones and one pair of enclosing quotes.
enum class StoredFormat { Configuration, Profile };

// The prefix that marks an escaped value. Everything after it is the text
// with '%', control characters and the blanks that a reader would trim
// written as %XX (two upper-case hex digits).
inline constexpr std::string_view kEscapeMarker = "%PW%";

// Would the format's plain line give this text back unchanged (and not be
// taken for an escaped value)?
bool SurvivesPlain(std::string_view text, StoredFormat format);

// The value to write: the text itself when the plain format keeps it intact,
// so ordinary files stay exactly as they were, the escaped form otherwise.
std::string EncodeStoredValue(std::string_view text, StoredFormat format);

// The text back from a value as the format's reader got it (after trimming
// and quote removal). A value without the marker is the text itself; a
// damaged escape keeps the bytes it cannot decode as they are.
std::string DecodeStoredValue(std::string_view value);

} // namespace pw
