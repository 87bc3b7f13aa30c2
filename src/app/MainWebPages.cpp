// The main window's links to the maker's pages.
#include "app/TfrmMain.h"

#include "platform/Desktop.h"
#include "platform/WebPages.h"

namespace pw {

void TfrmMain::OpenWebPage(const std::string& address) {
    desktop_.OpenWebPage(address);
}

void TfrmMain::miHomepageClick() {
    OpenWebPage(kProductHomePage);
}

void TfrmMain::miCheckforUpdateClick() {
    OpenWebPage(kUpdatePage);
}

void TfrmMain::bDonateClick() {
    OpenWebPage(kDonationPage);
}

void TfrmMain::miAboutClick() {}

} // namespace pw
