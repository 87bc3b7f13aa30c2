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
// with '%', every byte below 0x20 and a blank at its first or last position
// written as %XX (two upper-case hex digits); all other bytes, high ones
// included, stay as they are. An escaped value therefore holds no line break,
// does not start or end with a byte a reader trims, and is never enclosed in
// quotes.
inline constexpr std::string_view kEscapeMarker = "%PW%";

// Would the format's plain line give this text back unchanged (and not be
// taken for an escaped value)? Not when it holds a CR, LF or zero byte, ends
// in a byte up to the blank, or starts with the marker; for options.ini also
// not when it starts with a byte up to the blank or is enclosed in a pair of
// double or single quotes. Its length does not matter: our readers cut nothing.
bool SurvivesPlain(std::string_view text, StoredFormat format);

// The value to write: the text itself when the plain format keeps it intact,
// so ordinary files stay exactly as they were, the escaped form otherwise.
std::string EncodeStoredValue(std::string_view text, StoredFormat format);

// The text back from a value as the format's reader got it (after trimming
// and quote removal). A value without the marker is the text itself; a
// damaged escape keeps the bytes it cannot decode as they are.
std::string DecodeStoredValue(std::string_view value);

} // namespace pw
