#pragma once

// The maker's pages the program opens. They sit under the reserved .example
// domain, so that no click ever reaches a real site.
namespace pw {

inline constexpr const char* kProductHomePage = "https://www.orvane.example/pastewise/";
inline constexpr const char* kUpdatePage = "https://www.orvane.example/pastewise/updatev22.htm";
inline constexpr const char* kDonationPage = "https://www.orvane.example/donate/";

} // namespace pw
