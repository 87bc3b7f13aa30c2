// The main window's links to the maker's pages, its pictures and its about box.
#include "app/TfrmMain.h"

#include "about/TfrmAbout.h"
#include "about/WebAddresses.h"
#include "app/MainIds.h"
#include "picture/ResourcePicture.h"
#include "platform/Desktop.h"

namespace pw {

void TfrmMain::ShowPictures() {
    imgTitle.SetPicture(JpegResource(desktop_, IDB_BANNER));
    imgTitle.SetStretch(true);
    Image1.SetHandCursor(true);
    // The update icon stands on the banner's edge: without a fill of its own,
    // its see-through parts show the banner and the window beneath it.
    iUpdate.SetIconId(IDI_UPDATE);
    wsiMenu.SetIconId(IDI_MENU);
    wsiMenu.SetNoFocusedPicture(ui::Picture::Icon(IDI_MENU));
    wsiMenu.SetFocusedPicture(ui::Picture::Icon(IDI_MENU_HOVER));
}

void TfrmMain::OpenWebPage(const std::string& address) {
    desktop_.OpenWebPage(address);
}

void TfrmMain::Image1Click() {
    OpenWebPage(kProductHomePage);
}

// The banner's site name stands for the maker, not for this product.
void TfrmMain::lTitleClick() {
    OpenWebPage(kMakerHomePage);
}

void TfrmMain::lUpdateClick() {
    OpenWebPage(kUpdatePage);
}

void TfrmMain::miCheckforUpdateClick() {
    OpenWebPage(kUpdatePage);
}

void TfrmMain::miHomepageClick() {
    OpenWebPage(kProductHomePage);
}

void TfrmMain::bDonateClick() {
    OpenWebPage(kDonationPage);
}

void TfrmMain::About1Click() {
    TfrmAbout dialog(desktop_);
    dialog.Image1.SetIconId(IDI_PASTEWISE);
    NativeWindow().RunModal(dialog);
}

} // namespace pw
