#include "about/TfrmAbout.h"

#include "about/AboutIds.h"
#include "about/WebAddresses.h"
#include "picture/ResourcePicture.h"
#include "platform/Desktop.h"
#include "platform/Product.h"

#include <string>

namespace pw {

TfrmAbout::TfrmAbout(Desktop& desktop) : desktop_(desktop) {
    SetWindowClass("TfrmAbout");
    SetCaption("About " PW_PRODUCT_NAME);
    SetDesignSize(360, 243, true);
    SetCentredOnOwner();
    Place(Image2, nullptr, IDC_ABOUT_BANNER, {0, 0, 360, 50});
    Place(Image1, nullptr, IDC_ABOUT_ICON, {20, 61, 32, 32});
    Place(Label1, nullptr, IDC_ABOUT_NAME, {80, 62, 170, 16}, PW_PRODUCT_NAME);
    Place(Label2, nullptr, IDC_ABOUT_VERSION, {80, 84, 170, 13},
          "Version: " PW_VERSION_TEXT "   Build 20260714");
    Place(lCopywrite, nullptr, IDC_ABOUT_COPYRIGHT, {80, 130, 270, 13},
          "Copyright \xA9 2006-2026 " PW_MAKER_NAME);
    Place(Label3, nullptr, IDC_ABOUT_EMAIL, {80, 152, 270, 13},
          std::string("Email: ") + kContactAddress);
    Place(Panel2, nullptr, IDC_ABOUT_LINE, {80, 176, 262, 2});
    Place(lbEAddress, nullptr, IDC_ABOUT_SITE, {80, 188, 150, 13}, kMakerSiteAddress);
    Place(Image3, nullptr, IDC_ABOUT_DONATE, {257, 65, 62, 31});
    Place(bOK, nullptr, IDC_ABOUT_OK, {256, 202, 80, 27}, "&OK");

    Image2.SetPicture(JpegResource(desktop_, IDB_ABOUT_BANNER));
    Image2.SetStretch(true);
    Image3.SetPicture(JpegResource(desktop_, IDB_ABOUT_DONATE));
    Image3.SetStretch(true);
    Image3.SetHandCursor(true);
    // Blue whether the mouse is over it or not.
    lbEAddress.SetLinkColors({0, 0, 255}, {0, 0, 255});
    SetSkin(ui::VisualStyle::MacOS);
    bOK.SetModalResult(ui::ModalResult::Ok);
    // Nothing to take back: Esc closes the box as OK does.
    SetCancelButton(bOK);

    OnCloseRequest = [this] { FormClose(); };
    lbEAddress.OnClick = [this] { lbEAddressClick(); };
    Image3.OnClick = [this] { Image3Click(); };
    bOK.OnClick = [this] { bOKClick(); };
}

void TfrmAbout::FormClose() {
    if (GetModalResult() == ui::ModalResult::None)
        SetModalResult(ui::ModalResult::Cancel);
}

void TfrmAbout::lbEAddressClick() {
    desktop_.AskShellToOpen(kProductHomePage);
}

void TfrmAbout::Image3Click() {
    desktop_.AskShellToOpen(kAboutDonationPage);
}

void TfrmAbout::bOKClick() {
    SetModalResult(ui::ModalResult::Ok);
}

} // namespace pw
