#pragma once

#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/LayoutRecords.h"
#include "ui/ListView.h"

namespace pw {

// The smallest outer size of the main window on a screen of this DPI.
ui::Size MainMinimumSize(int dpi);

// The main window's controls its layout takes in hand, by their names there.
struct MainLayoutControls {
    ui::Image& imgTitle;
    ui::Image& Image1;
    ui::Image& iUpdate;
    ui::Label& lUpdate;
    ui::GroupBox& GroupBox2;
    ui::Edit& eClipString;
    ui::Button& bAdd;
    ui::CheckBox& cbAlwaysOnTop;
    ui::ListView& ListView1;
    ui::Image& wsiMenu;
    ui::Label& lMenu;
    ui::Label& bDonate;
    ui::Button& bEdit;
    ui::Button& bUp;
    ui::Button& bDown;
    ui::Button& bRemove;
    ui::Button& bExit;
};

// The main window's layout for each size of its window: the controls in
// proportion to the size the window was built with, then what keeps its place
// whatever the proportions.
class MainLayout {
public:
    explicit MainLayout(const MainLayoutControls& controls) : c_(controls) {}

    // Once, right after the window is built, before the saved size applies.
    void Record(const ui::Form& form, const ui::FormSite& window);
    // For the window's size now; sizes before the layout is recorded leave the
    // controls alone. A window below the smallest size is raised to it first.
    void Resize(ui::FormSite& window);
    // The title banner spans the client width; the update link keeps to its right edge.
    void LayOutTitleBanner(const ui::FormSite& window);

private:
    void LayOutBanner(int clientWidth, int dpi);
    // The right-hand check box, the list between the entry row and the command
    // buttons, the entry row, the list's columns and the menu link below the list.
    void LayOutBelowBanner(ui::Size client, int dpi, double horizontalScale);

    MainLayoutControls c_;
    ui::LayoutRecords records_;
    bool raisingToMinimum_ = false;
};

} // namespace pw
