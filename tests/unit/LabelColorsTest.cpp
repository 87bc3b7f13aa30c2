#include "ui/LabelColors.h"

#include <gtest/gtest.h>

#include <string>

namespace pw::ui {
namespace {

// Distinct stand-ins for the system's colours, so that each choice shows which it took.
constexpr SystemColors kSystem{{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {5, 0, 0}, {6, 0, 0}};
constexpr Color kBlue{0, 0, 255};
constexpr Color kWhite{255, 255, 255};
constexpr Color kRed{255, 0, 0};
constexpr Color kBanner{0, 51, 102};

TEST(LabelColors, OwnColoursOrTheSystemsUnderHighContrast) {
    enum class Kind { Plain, Coloured, Link, Clickable, OnBand, LinkOnBand };
    struct Case {
        std::string name;
        Kind kind;
        bool enabled;
        bool highContrast;
        LabelColors expected;
    };
    const Case cases[] = {
        {"plain label", Kind::Plain, true, false, {kSystem.windowText, kSystem.buttonFace}},
        {"plain label, disabled",
         Kind::Plain,
         false,
         false,
         {kSystem.grayText, kSystem.buttonFace}},
        {"its own colour", Kind::Coloured, true, false, {kBlue, kSystem.buttonFace}},
        {"link", Kind::Link, true, false, {kBlue, kSystem.buttonFace}},
        {"white on the banner", Kind::OnBand, true, false, {kWhite, kBanner}},
        {"white link on the banner", Kind::LinkOnBand, true, false, {kWhite, kBanner}},

        {"plain label, high contrast",
         Kind::Plain,
         true,
         true,
         {kSystem.buttonText, kSystem.buttonFace}},
        {"its own colour gives way",
         Kind::Coloured,
         true,
         true,
         {kSystem.buttonText, kSystem.buttonFace}},
        {"link", Kind::Link, true, true, {kSystem.hotLight, kSystem.buttonFace}},
        {"a label a click opens is a link",
         Kind::Clickable,
         true,
         true,
         {kSystem.hotLight, kSystem.buttonFace}},
        {"disabled link", Kind::Link, false, true, {kSystem.grayText, kSystem.buttonFace}},
        {"on the banner: window text on the window colour",
         Kind::OnBand,
         true,
         true,
         {kSystem.windowText, kSystem.window}},
        {"link on the banner", Kind::LinkOnBand, true, true, {kSystem.hotLight, kSystem.window}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Label label("l");
        switch (c.kind) {
        case Kind::Plain:
            break;
        case Kind::Coloured:
            label.SetFontColor(kBlue);
            break;
        case Kind::Link:
            label.SetLinkColors(kBlue, kRed);
            break;
        case Kind::Clickable:
            label.SetFontColor(kBlue);
            label.OnClick = [] {};
            break;
        case Kind::OnBand:
            label.SetFontColor(kWhite);
            label.SetBackColor(kBanner);
            break;
        case Kind::LinkOnBand:
            label.SetLinkColors(kWhite, kRed);
            label.SetBackColor(kBanner);
            break;
        }
        label.SetEnabled(c.enabled);
        EXPECT_EQ(ChooseLabelColors(label, c.highContrast, kSystem), c.expected);
        // The hover colour is the design's look only.
        label.MouseEnter();
        if (c.highContrast) {
            EXPECT_EQ(ChooseLabelColors(label, true, kSystem), c.expected);
        }
    }
}

} // namespace
} // namespace pw::ui
