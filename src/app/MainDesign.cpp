// The main window as designed: its controls, their places, captions, hints
// and pictures, and which handler each event runs.
#include "app/TfrmMain.h"

#include "about/WebAddresses.h"
#include "app/MainIds.h"
#include "picture/ResourcePicture.h"
#include "platform/Product.h"
#include "skin/SkinIds.h"

#include <cstdint>
#include <initializer_list>
#include <string>

namespace pw {

void TfrmMain::Design() {
    SetWindowClass(kMainWindowClass);
    SetDesignSize(537, 468);
    Place(imgTitle, nullptr, IDC_IMAGE_TITLE, {8, 0, 117, 53});
    Place(Image1, nullptr, IDC_IMAGE_ICON, {12, 8, 32, 32});
    Place(lTitle, nullptr, IDC_LABEL_TITLE, {49, 8, 81, 16}, kMakerSiteName);
    Place(lTitleHint, nullptr, IDC_LABEL_TITLEHINT, {50, 27, 266, 13},
          "Multiple hotkeys, each pastes saved text.");
    Place(iUpdate, nullptr, IDC_IMAGE_UPDATE, {282, 24, 32, 32});
    Place(lUpdate, nullptr, IDC_LABEL_UPDATE, {306, 24, 96, 13}, "Check for updates...");
    Place(GroupBox2, nullptr, IDC_GROUP_ENTRY, {8, 55, 505, 58});
    Place(eClipString, &GroupBox2, IDC_EDIT_CLIPSTRING, {8, 18, 399, 21}, {},
          "You can input or copy any text string and add it to the list");
    Place(bAdd, &GroupBox2, IDC_BUTTON_ADD, {420, 16, 72, 27}, "&Add");
    Place(cbAutoCopy, nullptr, IDC_CHECK_AUTOCOPY, {16, 122, 175, 21},
          "Enable auto copy from clipboard",
          "Enable auto-adding text from clipboard (e.g., copied via Ctrl+C) to the editing box "
          "above");
    Place(cbAutoAdd, nullptr, IDC_CHECK_AUTOADD, {210, 122, 159, 21},
          "Auto-add clipboard text to list",
          "Enable auto-adding text from clipboard (e.g., copied via Ctrl+C) to the list");
    Place(cbAlwaysOnTop, nullptr, IDC_CHECK_ALWAYSONTOP, {418, 122, 93, 21}, "Always on Top",
          "Keeps " PW_PRODUCT_NAME " window visible above all others");
    Place(ListView1, nullptr, IDC_LISTVIEW, {8, 151, 505, 229}, {},
          "Right click on the mouse to pop up a menu");
    Place(wsiMenu, nullptr, IDC_IMAGE_MENU, {11, 383, 32, 32}, {}, "Click to popup the menu");
    Place(lMenu, nullptr, IDC_LABEL_MENU, {45, 400, 32, 13}, "Menu", "Click to popup the menu");
    Place(bDonate, nullptr, IDC_LABEL_DONATE, {96, 400, 44, 13}, "Donate...");
    Place(bEdit, nullptr, IDC_BUTTON_EDIT, {158, 389, 60, 27}, "&Edit");
    Place(bUp, nullptr, IDC_BUTTON_UP, {229, 389, 60, 27}, "&Up");
    Place(bDown, nullptr, IDC_BUTTON_DOWN, {304, 389, 60, 27}, "&Down");
    Place(bRemove, nullptr, IDC_BUTTON_REMOVE, {379, 389, 60, 27}, "&Remove");
    Place(bExit, nullptr, IDC_BUTTON_EXIT, {450, 389, 60, 27}, "E&xit");

    // The banner: a dark band under white labels until its picture is drawn.
    constexpr ui::Color kBanner{0, 51, 102};
    constexpr ui::Color kWhite{255, 255, 255};
    imgTitle.SetFill(kBanner);
    Image1.SetFill(kBanner);
    Image1.SetIconId(IDI_PASTEWISE);
    // The banner icon opens the product's home page, and says so to a screen reader.
    Image1.SetAccessibleName(PW_PRODUCT_NAME " home page");
    for (ui::Label* label : {&lTitle, &lTitleHint, &lUpdate})
        label->SetBackColor(kBanner);
    lTitle.SetFontColor(kWhite);
    lTitle.SetBold(true);
    lTitleHint.SetFontColor(kWhite);
    lMenu.SetFontColor({0, 0, 255});
    lMenu.SetBold(true);
    lMenu.SetUnderlined(true);
    constexpr ui::Color kHover{255, 0, 0};
    lUpdate.SetLinkColors(kWhite, kHover);
    bDonate.SetLinkColors({0, 0, 255}, kHover);
    SetSkin(ui::VisualStyle::MacOS);
    suiPopupMenu1.SetSkin(ui::VisualStyle::DeepBlue);
    bAdd.SetGlyphId(IDB_ADD_GLYPH);

    ListView1.SetColumns({{"No.", 40}, {"Content", 375}, {"Hotkey", 65}});

    for (ui::MenuItem* item :
         {&miHomePage, &miMenuSep0, &miOptions, &miMenuSep1, &miNewConfiguration,
          &miLoadConfiguration, &miSaveConfiguration, &miSaveConfigurationAs, &miMenuSep2,
          &miDonate, &miMenuSep3, &miUpdate, &miMenuSep4, &miAbout})
        suiPopupMenu1.Add(*item);
    for (ui::MenuItem* item :
         {&miOpen, &miSelfSep1, &miHomepage, &miCheckforUpdate, &miSelfSep2, &miExit})
        pmSelf.Add(*item);
    for (ui::MenuItem* item :
         {&miPopupEdit, &miPopupSep1, &miPopupUp, &miPopupDown, &miPopupRemove, &miPopupSep2})
        PopupMenu1.Add(*item);
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&ListView1, &imgTitle, &lTitle, &lTitleHint, &lUpdate,
                                             &bAdd, &bExit, &bEdit, &bUp, &bDown, &bRemove})
        c->SetContextMenu(&PopupMenu1);
}

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

void TfrmMain::WireHandlers() {
    OnShow = [this] { FormShow(); };
    OnCloseRequest = [this] { FormClose(); };
    OnDestroy = [this] { FormDestroy(); };
    // Each control's click runs the handler of its name.
    const auto onClick = [this](auto& control, void (TfrmMain::*handler)()) {
        control.OnClick = [this, handler] { (this->*handler)(); };
    };
    onClick(bAdd, &TfrmMain::bAddClick);
    onClick(bExit, &TfrmMain::bExitClick);
    onClick(cbAutoCopy, &TfrmMain::cbAutoCopyClick);
    onClick(cbAutoAdd, &TfrmMain::cbAutoAddClick);
    onClick(cbAlwaysOnTop, &TfrmMain::cbAlwaysOnTopClick);
    onClick(lMenu, &TfrmMain::lMenuClick);
    onClick(miNewConfiguration, &TfrmMain::miNewConfigurationClick);
    onClick(miLoadConfiguration, &TfrmMain::miLoadConfigurationClick);
    onClick(miSaveConfigurationAs, &TfrmMain::miSaveConfigurationAsClick);
    onClick(miOptions, &TfrmMain::miOptionsClick);
    onClick(wsiMenu, &TfrmMain::lMenuClick);
    // Items that open the same page share the handler.
    onClick(miHomePage, &TfrmMain::miHomepageClick);
    onClick(miHomepage, &TfrmMain::miHomepageClick);
    onClick(miUpdate, &TfrmMain::miCheckforUpdateClick);
    onClick(miCheckforUpdate, &TfrmMain::miCheckforUpdateClick);
    onClick(miDonate, &TfrmMain::bDonateClick);
    onClick(miAbout, &TfrmMain::About1Click);
    onClick(miOpen, &TfrmMain::RestoreFromTray);
    onClick(miExit, &TfrmMain::bExitClick);
    onClick(Image1, &TfrmMain::Image1Click);
    onClick(lTitle, &TfrmMain::lTitleClick);
    onClick(lUpdate, &TfrmMain::lUpdateClick);
    onClick(bDonate, &TfrmMain::bDonateClick);
    ListView1.OnDblClick = [this] { ListView1DblClick(); };

    aSaveConfiguration.OnExecute = [this] { aSaveConfigurationExecute(); };
    aSaveConfiguration.OnUpdate = [this] { return aSaveConfigurationUpdate(); };
    miSaveConfiguration.OnClick = [this] { aSaveConfiguration.Execute(); };
    aSaveConfiguration.Link(miSaveConfiguration);
    AddAction(aSaveConfiguration);
    AddShortcut('S', true, aSaveConfiguration);
    aMainMenu.OnExecute = [this] { aMainMenuExecute(); };
    // F10 alone: Shift+F10 stays the focused control's context menu.
    constexpr std::uint16_t kF10 = 0x79;
    AddShortcut(kF10, false, aMainMenu);

    struct ActionWiring {
        ui::Action& action;
        void (TfrmMain::*execute)();
        bool (TfrmMain::*update)() const;
        ui::Button& button;
        ui::MenuItem& item;
    };
    const ActionWiring wiring[] = {
        {aEdit, &TfrmMain::aEditExecute, &TfrmMain::aEditUpdate, bEdit, miPopupEdit},
        {aMoveUp, &TfrmMain::aMoveUpExecute, &TfrmMain::aMoveUpUpdate, bUp, miPopupUp},
        {aMoveDown, &TfrmMain::aMoveDownExecute, &TfrmMain::aMoveDownUpdate, bDown, miPopupDown},
        {aRemove, &TfrmMain::aRemoveExecute, &TfrmMain::aRemoveUpdate, bRemove, miPopupRemove},
    };
    for (const ActionWiring& w : wiring) {
        w.action.OnExecute = [this, f = w.execute] { (this->*f)(); };
        w.action.OnUpdate = [this, f = w.update] { return (this->*f)(); };
        ui::Action* action = &w.action;
        w.button.OnClick = [action] { action->Execute(); };
        w.item.OnClick = [action] { action->Execute(); };
        w.action.Link(w.button);
        w.action.Link(w.item);
        AddAction(w.action);
    }
    Idle();
}

} // namespace pw
