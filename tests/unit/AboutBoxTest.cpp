#include "about/AboutIds.h"
#include "about/TfrmAbout.h"
#include "about/WebAddresses.h"
#include "app/MainIds.h"
#include "support/FakeDesktop.h"
#include "support/MainForm.h"
#include "support/ResourceFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace pw {
namespace {

using Strings = std::vector<std::string>;

class AboutBoxTest : public ::testing::Test {
protected:
    // The about box from the main menu, with the user's part played by `user`.
    void About(const std::function<void(TfrmAbout&)>& user) {
        frm.window.modalScript = [&](ui::Form& form) {
            auto& about = dynamic_cast<TfrmAbout&>(form);
            user(about);
            result = about.GetModalResult();
        };
        frm.About1Click();
    }
    test::FakeDesktop desktop;
    test::MainForm frm{desktop};
    ui::ModalResult result = ui::ModalResult::None;
};

TEST_F(AboutBoxTest, EachShowingIsANewBoxWithTheProgramItsVersionAndItsMaker) {
    About([](TfrmAbout& about) {
        EXPECT_EQ(about.Caption(), "About Orvane Pastewise");
        EXPECT_TRUE(about.DesignSizeIsClient() && about.CentredOnOwner());
        EXPECT_EQ(std::pair(about.DesignWidth(), about.DesignHeight()), std::pair(360, 243));
        EXPECT_EQ((Strings{about.Label1.Text(), about.Label2.Text(), about.Label3.Text(),
                           about.lbEAddress.Text(), about.bOK.Text()}),
                  (Strings{"Orvane Pastewise", "Version: 2.2   Build 20260714",
                           "Email: support@orvane.example", "www.orvane.example", "&OK"}));
        EXPECT_EQ(about.Image1.IconId(), IDI_PASTEWISE);
        EXPECT_EQ(about.Panel2.Bounds(), (ui::Rect{80, 176, 262, 2}));
        EXPECT_TRUE(about.Image3.HandCursor() && about.lbEAddress.IsLink());
        about.bOK.Click();
    });
    EXPECT_EQ(result, ui::ModalResult::Ok);
    About([](TfrmAbout& about) { about.OnCloseRequest(); }); // its close box
    EXPECT_EQ(result, ui::ModalResult::Cancel);
    EXPECT_EQ(frm.window.modalRuns, 2);
    EXPECT_EQ(frm.ChangeMarks(), 0);
}

TEST_F(AboutBoxTest, EscClosesTheAboutBoxAsOkDoesAndNoOtherWindowHasACancelCommand) {
    About([](TfrmAbout& about) { EXPECT_TRUE(about.Cancel()); });
    EXPECT_EQ(result, ui::ModalResult::Ok);

    // The hotkey fields of the Edit item and Options dialogs take Esc as a key, and the main
    // window has nothing to cancel.
    std::vector<std::string> cancelled;
    frm.window.modalScript = [&](ui::Form& form) {
        if (form.Cancel() || form.GetModalResult() != ui::ModalResult::None)
            cancelled.push_back(form.WindowClass());
    };
    AddSnippet(frm.List(), "text");
    frm.ListView1.Select(0);
    frm.aEditExecute();
    frm.miOptionsClick();
    EXPECT_EQ(frm.window.modalRuns, 3);
    EXPECT_TRUE(cancelled.empty()) << cancelled.front();
    EXPECT_FALSE(frm.Cancel());
}

TEST_F(AboutBoxTest, EveryLinkOpensItsPage) {
    About([](TfrmAbout& about) {
        about.lbEAddress.OnClick();
        about.Image3.Click();
        about.bOK.Click();
    });
    struct Link {
        const char* name;
        std::function<void()> click;
    };
    const Link links[] = {
        {"banner icon", [&] { frm.Image1.Click(); }},
        {"banner site name", [&] { frm.lTitle.OnClick(); }},
        {"update link", [&] { frm.lUpdate.OnClick(); }},
        {"update menu items", [&] { frm.miCheckforUpdateClick(); }},
        {"home page menu items", [&] { frm.miHomepageClick(); }},
        {"donation link and menu item", [&] { frm.bDonate.OnClick(); }},
    };
    for (const Link& link : links)
        link.click();
    const std::string product = kProductHomePage;
    EXPECT_EQ(desktop.webPages, (Strings{
                                    // The about box asks the shell itself, without the hourglass.
                                    "direct " + product,
                                    std::string("direct ") + kAboutDonationPage,
                                    "hourglass " + product,
                                    std::string("hourglass ") + kMakerHomePage,
                                    std::string("hourglass ") + kUpdatePage,
                                    std::string("hourglass ") + kUpdatePage,
                                    "hourglass " + product,
                                    std::string("hourglass ") + kDonationPage,
                                }));
    // Two donation pages, and only reserved addresses.
    EXPECT_STRNE(kDonationPage, kAboutDonationPage);
    for (const std::string& page : desktop.webPages)
        EXPECT_NE(page.find(".example/"), std::string::npos) << page;
    EXPECT_NE(std::string(kUpdatePage).find("/updatev22.htm"), std::string::npos);
}

TEST(ProgramPicturesTest, PicturesComeFromTheResourcesAndADamagedOneShowsNone) {
    test::FakeDesktop desktop;
    desktop.resources[IDB_BANNER] = test::ResourceFile("TitleBanner.jpg");
    desktop.resources[IDB_ABOUT_BANNER] = test::ResourceFile("AboutBanner.jpg");
    desktop.resources[IDB_ABOUT_DONATE] = "\xFF\xD8\xFF\xE0 damaged";
    test::MainForm frm(desktop);
    const ui::Bitmap* banner = frm.imgTitle.GetPicture().Pixels();
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->width, 360);
    EXPECT_TRUE(frm.imgTitle.Stretch());
    EXPECT_EQ(frm.iUpdate.IconId(), IDI_UPDATE);
    EXPECT_EQ(frm.wsiMenu.IconId(), IDI_MENU);
    EXPECT_EQ(frm.wsiMenu.NoFocusedPicture().IconId(), IDI_MENU);
    EXPECT_EQ(frm.wsiMenu.FocusedPicture().IconId(), IDI_MENU_HOVER);

    TfrmAbout about(desktop);
    ASSERT_NE(about.Image2.GetPicture().Pixels(), nullptr);
    EXPECT_EQ(about.Image2.GetPicture().Pixels()->height, 50);
    EXPECT_TRUE(about.Image3.GetPicture().Empty());
    EXPECT_FALSE(about.Image3.HasPicture());

    // Without its resource the banner keeps its plain band.
    test::FakeDesktop bare;
    test::MainForm plain(bare);
    EXPECT_TRUE(plain.imgTitle.GetPicture().Empty());
    EXPECT_TRUE(plain.imgTitle.HasPicture());
}

} // namespace
} // namespace pw
