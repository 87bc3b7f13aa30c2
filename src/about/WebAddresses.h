#pragma once

// The maker's pages the program links to. They lie in the reserved .example
// domain, so that no click reaches a real site.
namespace pw {

inline constexpr const char* kProductHomePage = "https://www.orvane.example/pastewise/";
// The last path element names the version the page is checked from.
inline constexpr const char* kUpdatePage = "https://www.orvane.example/pastewise/updatev22.htm";
inline constexpr const char* kMakerHomePage = "https://www.orvane.example/";
inline constexpr const char* kDonationPage = "https://www.orvane.example/donate.htm";
// The payment provider's page behind the about box's donation button.
inline constexpr const char* kAboutDonationPage =
    "https://payments.example/donate?business=donate%40orvane.example";

// As the banner and the about box show them.
inline constexpr const char* kMakerSiteName = "orvane.example";
inline constexpr const char* kMakerSiteAddress = "www.orvane.example";
inline constexpr const char* kContactAddress = "support@orvane.example";

} // namespace pw
