#include "ui/AccessibleParts.h"

#include "about/WebAddresses.h"
#include "support/FakeDesktop.h"
#include "support/MainForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pw {
namespace {

using ui::AccessiblePart;
using ui::AccessibleRole;

// As the Windows binding draws them: labels, pictures and group frames.
bool DrawnByTheWindow(const ui::Control& control) {
    const ui::Kind kind = control.GetKind();
    return kind == ui::Kind::Label || kind == ui::Kind::Image || kind == ui::Kind::GroupBox;
}

const AccessiblePart* PartOf(const std::vector<AccessiblePart>& parts, const ui::Control& c) {
    for (const AccessiblePart& part : parts)
        if (part.control == &c)
            return &part;
    return nullptr;
}

// Every drawn label and picture of the main window that says or does something has a name a
// screen reader can read out, a role, its place, and the action its click runs.
TEST(AccessibleParts, TheMainWindowsDrawnControlsAreNamedAndDoWhatTheirClickDoes) {
    test::FakeDesktop desktop;
    test::MainForm frm{desktop};
    const std::vector<AccessiblePart> parts = ui::AccessibleParts(frm, DrawnByTheWindow);

    struct Case {
        const ui::Control& control;
        AccessibleRole role;
        std::string name;
        std::string description;
        std::string action;
        // What the action does: the page opened, or the menu shown.
        std::string effect;
    };
    const Case cases[] = {
        {frm.Image1, AccessibleRole::Graphic, "Orvane Pastewise home page", "", "Click",
         std::string("hourglass ") + kProductHomePage},
        {frm.lTitle, AccessibleRole::Link, kMakerSiteName, "", "Click",
         std::string("hourglass ") + kMakerHomePage},
        {frm.lTitleHint, AccessibleRole::StaticText, "Multiple hotkeys, each pastes saved text.",
         "", "", ""},
        {frm.lUpdate, AccessibleRole::Link, "Check for updates...", "", "Click",
         std::string("hourglass ") + kUpdatePage},
        {frm.wsiMenu, AccessibleRole::Graphic, "Click to popup the menu", "", "Click",
         "Popup suiPopupMenu1"},
        {frm.lMenu, AccessibleRole::Link, "Menu", "Click to popup the menu", "Click",
         "Popup suiPopupMenu1"},
        {frm.bDonate, AccessibleRole::Link, "Donate...", "", "Click",
         std::string("hourglass ") + kDonationPage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AccessiblePart* part = PartOf(parts, c.control);
        ASSERT_NE(part, nullptr);
        EXPECT_EQ(part->role, c.role);
        EXPECT_EQ(part->name, c.name);
        EXPECT_EQ(part->description, c.description);
        EXPECT_EQ(part->defaultAction, c.action);
        EXPECT_EQ(part->bounds, c.control.Bounds());
        desktop.webPages.clear();
        frm.window.calls.clear();
        EXPECT_EQ(ui::DoDefaultAction(*part), !c.action.empty());
        const std::string effect = !desktop.webPages.empty()   ? desktop.webPages.back()
                                   : !frm.window.calls.empty() ? frm.window.calls.back()
                                                               : "";
        EXPECT_EQ(effect, c.effect);
    }

    // The banner picture and the update icon only decorate; the unnamed group frame is no
    // part either. Controls with windows of their own are there to answer for themselves.
    for (const ui::Control* decoration :
         {static_cast<ui::Control*>(&frm.imgTitle), static_cast<ui::Control*>(&frm.iUpdate),
          static_cast<ui::Control*>(&frm.GroupBox2)})
        EXPECT_EQ(PartOf(parts, *decoration), nullptr) << decoration->Name();
    const AccessiblePart* add = PartOf(parts, frm.bAdd);
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add->role, AccessibleRole::OwnWindow);
    EXPECT_EQ(add->bounds.left, frm.GroupBox2.Bounds().left + frm.bAdd.Bounds().left)
        << "a control in the group is placed on the window";
    EXPECT_FALSE(ui::DoDefaultAction(*add)) << "its own window does its clicks";
    EXPECT_LT(PartOf(parts, frm.lMenu), PartOf(parts, frm.bDonate)) << "in the design's order";
}

TEST(AccessibleParts, UnavailableLinksDoNothingAndCaptionsLoseTheirMnemonicMarks) {
    test::FakeDesktop desktop;
    test::MainForm frm{desktop};
    for (const bool visible : {true, false}) {
        frm.bDonate.SetEnabled(visible ? false : true);
        frm.bDonate.SetVisible(visible);
        const std::vector<AccessiblePart> parts = ui::AccessibleParts(frm, DrawnByTheWindow);
        const AccessiblePart* donate = PartOf(parts, frm.bDonate);
        ASSERT_NE(donate, nullptr);
        EXPECT_EQ(donate->enabled, !visible);
        EXPECT_EQ(donate->visible, visible);
        desktop.webPages.clear();
        EXPECT_FALSE(ui::DoDefaultAction(*donate));
        EXPECT_TRUE(desktop.webPages.empty());
    }
    const struct {
        const char* caption;
        const char* spoken;
    } captions[] = {{"&Add", "Add"},  {"E&xit", "Exit"}, {"R&&D", "R&D"},
                    {"Menu", "Menu"}, {"end&", "end&"},  {"", ""}};
    for (const auto& c : captions)
        EXPECT_EQ(ui::SpokenCaption(c.caption), c.spoken) << c.caption;
}

} // namespace
} // namespace pw
