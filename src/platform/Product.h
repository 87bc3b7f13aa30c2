#pragma once

// The product's name and version, written once: the resource script takes the
// macros, the program the constants below them.
#define PW_PRODUCT_NAME "Orvane Pastewise"
#define PW_MAKER_NAME "Orvane Software"
#define PW_VERSION_TEXT "2.2"

#ifndef RC_INVOKED

namespace pw {

// The single-instance key: a second start looks for a top-level window of this class.
inline constexpr const char* kMainWindowClass = "Pastewise Made by " PW_MAKER_NAME;
inline constexpr const char* kAppTitle = PW_PRODUCT_NAME;
inline constexpr const char* kVersion = PW_VERSION_TEXT;
// Caption of every message box the program shows.
inline constexpr const char* kMessageCaption = PW_PRODUCT_NAME;

} // namespace pw

#endif
