#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pw {

class Desktop;

// How long a clipboard change is left to settle before it is read: the program
// that copied may still be putting further formats on the clipboard.
inline constexpr unsigned kClipboardSettleMs = 100;

// Without the blanks and control characters (codes 0 to 32) at either end;
// inside the text everything stays, line breaks included.
std::string_view TrimClipboardText(std::string_view text);

// The clipboard's text, trimmed, for auto-copy and auto-add. Nothing when the
// clipboard holds no text, or when its owner marked the content as not to be
// recorded: a password copied from a password manager must never end up in
// the list or in the files the list is saved to.
std::optional<std::string> TakeClipboardText(Desktop& desktop);

} // namespace pw
