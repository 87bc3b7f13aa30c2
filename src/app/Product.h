#pragma once

namespace pw {

// The single-instance key: a second start looks for a top-level window of this class.
inline constexpr const char* kMainWindowClass = "Pastewise Made by Orvane Software";
inline constexpr const char* kAppTitle = "Orvane Pastewise";
inline constexpr const char* kVersion = "2.2";
// Caption of every message box the program shows.
inline constexpr const char* kMessageCaption = "Orvane Pastewise";
// Posted by a second start to the running instance.
inline constexpr unsigned kActivateRequest = 0x5A01;

} // namespace pw
