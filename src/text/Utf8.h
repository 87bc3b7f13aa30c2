#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

// The program keeps every text as UTF-8. These convert it to and from the
// UTF-16 of the system and of Unicode files.
//
// A byte that does not begin a well-formed sequence (a stray continuation
// byte, a cut-off, overlong or surrogate sequence, a byte above 0xF4) reads as
// one U+FFFD, and reading goes on with the next byte; a lone surrogate in
// UTF-16 reads as one U+FFFD. So damage stays where it is and takes nothing
// else with it.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// The same between UTF-8 and the bytes of UTF-16 in either order, as files
// hold it. The reader leaves an odd last byte out and says whether it read a
// lone surrogate, which the UTF-8 text cannot give back.
void AppendUtf16Bytes(std::string& out, std::string_view text, bool littleEndian);
std::string Utf16BytesToUtf8(std::string_view bytes, bool littleEndian, bool& lone);

// How many bytes from the start are ASCII, counted eight at a time: texts
// can be megabytes.
std::size_t AsciiPrefix(std::string_view text);

// Nothing but bytes below 0x80: the same text in UTF-8 and in every code page
// the system uses for programs.
bool IsAscii(std::string_view text);

// Well-formed UTF-8 as the reader above would take it back unchanged.
bool IsWellFormedUtf8(std::string_view text);

// The text as the UTF-8 reader gives it back: unchanged when well-formed.
// For bytes that came through a byte-level escape written by hand.
void MakeWellFormed(std::string& text);

// The longest start of the text that fits in `units` UTF-16 units without
// cutting a character.
std::string_view FirstUtf16Units(std::string_view text, std::size_t units);

// The one character the text consists of, if it is exactly one.
std::optional<char32_t> SingleCharacter(std::string_view text);

} // namespace pw
