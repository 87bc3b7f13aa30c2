#include "skin/ButtonFace.h"
#include "skin/CheckBoxFace.h"
#include "skin/MenuFace.h"
#include "skin/NineSlice.h"
#include "skin/SkinIds.h"
#include "skin/Strips.h"
#include "support/ResourceFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pw::skin {
namespace {

using ui::Rect;

// Every target pixel is covered exactly once, whatever the sizes.
void ExpectTiles(const std::vector<Slice>& slices, const Rect& target) {
    std::vector<int> hits(static_cast<std::size_t>(target.width * target.height), 0);
    for (const Slice& s : slices)
        for (int y = s.to.top; y < s.to.top + s.to.height; ++y)
            for (int x = s.to.left; x < s.to.left + s.to.width; ++x) {
                ASSERT_TRUE(x >= target.left && x < target.left + target.width && y >= target.top &&
                            y < target.top + target.height);
                ++hits[static_cast<std::size_t>((y - target.top) * target.width + x - target.left)];
            }
    for (int h : hits)
        ASSERT_EQ(h, 1);
}

TEST(SkinStrips, FramesOfTheStrips) {
    struct Case {
        const Strip& strip;
        int frame;
        Rect expected;
    };
    const Case cases[] = {
        {ButtonStrip(ui::VisualStyle::MacOS), 1, {0, 0, 84, 23}},
        {ButtonStrip(ui::VisualStyle::MacOS), 3, {168, 0, 84, 23}},
        {ButtonStrip(ui::VisualStyle::MacOS), 4, {168, 0, 84, 23}}, // past the end: the last
        {ButtonStrip(ui::VisualStyle::WinXP), 2, {18, 0, 18, 21}},
        {CheckBoxStrip(ui::VisualStyle::MacOS), 4, {45, 0, 15, 17}},
        {CheckBoxStrip(ui::VisualStyle::MacOS), 0, {0, 0, 15, 17}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.strip.Frame(c.frame), c.expected);
    EXPECT_EQ(CheckBoxFrame(true, true), 1);
    EXPECT_EQ(CheckBoxFrame(false, true), 2);
    EXPECT_EQ(CheckBoxFrame(true, false), 3);
    EXPECT_EQ(CheckBoxFrame(false, false), 4);
    EXPECT_EQ(FromDesignColor(13554646), (ui::Color{214, 211, 206}));
    EXPECT_EQ(FromDesignColor(8684164), (ui::Color{132, 130, 132}));
    EXPECT_EQ(FromDesignColor(10504772), (ui::Color{68, 74, 160}));
}

// The bitmaps that make-pictures.py drew are the sizes the code cuts them by, and magenta
// where the frames' corners are see-through.
TEST(SkinStrips, PictureFilesMatchTheStrips) {
    struct Case {
        std::string file;
        int width, height, frames;
        int resourceId;
    };
    const Case cases[] = {
        {"MacOsButton.bmp", 252, 23, 3, ButtonStrip(ui::VisualStyle::MacOS).resourceId},
        {"WinXpButton.bmp", 54, 21, 3, ButtonStrip(ui::VisualStyle::WinXP).resourceId},
        {"MacOsCheckBox.bmp", 60, 17, 4, CheckBoxStrip(ui::VisualStyle::MacOS).resourceId},
        {"AddGlyph.bmp", 32, 16, 2, IDB_ADD_GLYPH},
    };
    const auto u32 = [](const std::string& b, std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at]) |
                                          static_cast<unsigned char>(b[at + 1]) << 8 |
                                          static_cast<unsigned char>(b[at + 2]) << 16 |
                                          static_cast<unsigned char>(b[at + 3]) << 24);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string bmp = test::ResourceFile(c.file);
        ASSERT_GT(bmp.size(), 54u);
        ASSERT_EQ(bmp.substr(0, 2), "BM");
        EXPECT_EQ(static_cast<int>(u32(bmp, 18)), c.width);
        EXPECT_EQ(static_cast<int>(u32(bmp, 22)), c.height); // bottom-up rows
        EXPECT_EQ(bmp[28], 24);
        if (c.resourceId != IDB_ADD_GLYPH) {
            const Strip& strip =
                c.frames == 4
                    ? CheckBoxStrip(ui::VisualStyle::MacOS)
                    : ButtonStrip(c.width == 252 ? ui::VisualStyle::MacOS : ui::VisualStyle::WinXP);
            EXPECT_EQ(strip.width, c.width);
            EXPECT_EQ(strip.height, c.height);
            EXPECT_EQ(strip.frames, c.frames);
            EXPECT_EQ(strip.resourceId, c.resourceId);
        }
        // The top-left pixel of every frame (the last row of the file) is magenta.
        const std::size_t stride = (static_cast<std::size_t>(c.width) * 3 + 3) / 4 * 4;
        const std::size_t top = u32(bmp, 10) + stride * static_cast<std::size_t>(c.height - 1);
        for (int k = 0; k < c.frames; ++k) {
            const std::size_t at = top + static_cast<std::size_t>(k * (c.width / c.frames)) * 3;
            ASSERT_LT(at + 2, bmp.size());
            EXPECT_EQ(static_cast<unsigned char>(bmp[at]), 255) << "frame " << k + 1; // blue
            EXPECT_EQ(static_cast<unsigned char>(bmp[at + 1]), 0);
            EXPECT_EQ(static_cast<unsigned char>(bmp[at + 2]), 255);
        }
    }
}

TEST(SkinNineSlice, CornersKeepTheirSizeAndTheMiddleStretches) {
    struct Case {
        Rect source;
        int cornerWidth, cornerHeight;
        Rect target;
        int dpi;
        Rect topLeft; // where the top-left corner goes
        Rect middle;  // where the middle goes
        std::size_t pieces;
    };
    const Case cases[] = {
        // A larger button; the same size, a plain copy in nine pieces.
        {{84, 0, 84, 23}, 10, 11, {0, 0, 72, 27}, 96, {0, 0, 10, 11}, {10, 11, 52, 5}, 9},
        {{0, 0, 18, 21}, 4, 4, {0, 0, 18, 21}, 96, {0, 0, 4, 4}, {4, 4, 10, 13}, 9},
        // At 150 and 200 per cent the corners take their scaled size.
        {{0, 0, 84, 23}, 10, 11, {0, 0, 90, 41}, 144, {0, 0, 15, 16}, {15, 16, 60, 9}, 9},
        {{0, 0, 18, 21}, 4, 4, {0, 0, 160, 54}, 192, {0, 0, 8, 8}, {8, 8, 144, 38}, 9},
        // Narrower than two corners: they share the width.
        {{0, 0, 84, 23}, 10, 11, {0, 0, 15, 23}, 96, {0, 0, 7, 11}, {7, 11, 1, 1}, 9},
        // A corner as wide as half the frame still leaves a middle column to stretch.
        {{0, 0, 18, 21}, 9, 4, {0, 0, 40, 21}, 96, {0, 0, 8, 4}, {8, 4, 24, 13}, 9},
        // No corners: one stretched piece; an empty target: none.
        {{0, 0, 15, 17}, 0, 0, {3, 2, 23, 26}, 144, {3, 2, 0, 0}, {3, 2, 23, 26}, 1},
        {{0, 0, 84, 23}, 10, 11, {0, 0, 0, 0}, 96, {0, 0, 0, 0}, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pieces * 1000 + static_cast<std::size_t>(c.target.width));
        const std::vector<Slice> slices =
            FitFrame(c.source, c.cornerWidth, c.cornerHeight, c.target, c.dpi);
        ASSERT_EQ(slices.size(), c.pieces);
        ExpectTiles(slices, c.target);
        if (c.pieces == 0)
            continue;
        if (c.pieces == 9) {
            EXPECT_EQ(slices[0].to, c.topLeft);
            EXPECT_EQ(slices[0].from.left, c.source.left);
            EXPECT_EQ(slices[4].to, c.middle);
            // The source corners are never cut, whatever the target.
            EXPECT_EQ(slices[8].from.left + slices[8].from.width, c.source.left + c.source.width);
        } else {
            EXPECT_EQ(slices[0].to, c.middle);
            EXPECT_EQ(slices[0].from, c.source);
        }
    }
}

TEST(SkinButtonFace, CaptionGlyphFocusAndDisabledLook) {
    enum Flags { Over = 1, Down = 2, Focus = 4, Off = 8, XP = 16, Glyph = 32, Dpi144 = 64 };
    struct Case {
        int flags;
        int frame;
        std::vector<CaptionDraw> captions;
        std::optional<Rect> glyphAt;
        int glyphFrom; // the left of the glyph picture used
        bool bold;
        std::optional<Rect> focus;
    };
    const ui::Color black{0, 0, 0}, grey{128, 128, 128}, white{255, 255, 255};
    const CaptionDraw edit{{20, 7, 20, 13}, black};
    const Rect addGlyph{16, 5, 16, 16};
    const CaptionDraw add{{36, 7, 19, 13}, black};
    const Case cases[] = {
        {0, 1, {edit}, {}, 0, false, {}},
        {Over, 2, {edit}, {}, 0, false, {}},
        // Pressed: the caption one pixel down and right.
        {Over | Down, 3, {{{21, 8, 20, 13}, black}}, {}, 0, false, {}},
        // Focus: a bold caption for MacOS, a dotted rectangle two pixels in for WinXP.
        {Focus, 1, {edit}, {}, 0, true, {}},
        {Focus | XP, 1, {edit}, {}, 0, false, Rect{2, 2, 56, 23}},
        // Disabled: normal frame, no press, no focus; white shadow first, then grey.
        {Off | Over | Down | Focus,
         1,
         {{{21, 8, 20, 13}, white}, {{20, 7, 20, 13}, grey}},
         {},
         0,
         false,
         {}},
        // Glyph and caption centred as one block, 4 apart; no focus mark with a glyph.
        {Glyph, 1, {add}, addGlyph, 0, false, {}},
        {Glyph | Focus, 1, {add}, addGlyph, 0, false, {}},
        {Glyph | Down, 3, {{{37, 8, 19, 13}, black}}, Rect{17, 6, 16, 16}, 0, false, {}},
        // Disabled, the second picture of the glyph.
        {Glyph | Off,
         1,
         {{{37, 8, 19, 13}, white}, {{36, 7, 19, 13}, grey}},
         addGlyph,
         16,
         false,
         {}},
        // At 144 DPI the picture and the spacing are scaled.
        {Glyph | Dpi144, 1, {{{55, 10, 28, 20}, black}}, Rect{25, 8, 24, 24}, 0, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        const bool glyph = (c.flags & Glyph) != 0, large = (c.flags & Dpi144) != 0;
        ButtonLookInput in{(c.flags & XP) != 0 ? ui::VisualStyle::WinXP : ui::VisualStyle::MacOS,
                           large   ? 108
                           : glyph ? 72
                                   : 60,
                           large ? 41 : 27, large ? 144 : 96};
        in.mouseOver = (c.flags & Over) != 0;
        in.pressed = (c.flags & Down) != 0;
        in.focused = (c.flags & Focus) != 0;
        in.enabled = (c.flags & Off) == 0;
        in.glyphWidth = glyph ? 32 : 0;
        in.glyphHeight = glyph ? 16 : 0;
        in.captionWidth = large ? 28 : glyph ? 19 : 20;
        in.captionHeight = large ? 20 : 13;
        const ButtonLook look = PlanButton(in);
        EXPECT_EQ(look.frame, c.frame);
        EXPECT_EQ(look.captions, c.captions);
        ASSERT_EQ(look.glyph.has_value(), c.glyphAt.has_value());
        if (look.glyph) {
            EXPECT_EQ(look.glyph->to, *c.glyphAt);
            EXPECT_EQ(look.glyph->from, (Rect{c.glyphFrom, 0, 16, 16}));
            EXPECT_FALSE(look.wrapCaption);
        }
        EXPECT_EQ(look.boldCaption, c.bold);
        EXPECT_EQ(look.focusRect, c.focus);
        ExpectTiles(look.slices, {0, 0, in.width, in.height});
    }
    ButtonLookInput blank{ui::VisualStyle::MacOS, 60, 27};
    blank.hasCaption = false;
    EXPECT_TRUE(PlanButton(blank).captions.empty());
}

TEST(SkinCheckBoxFace, PlacesAndSizes) {
    // Picture 1 from the left, caption 4 after it, centred on the letter height.
    CheckBoxLook look = PlanCheckBox({175, 21, 96, true, true, true, 150, 13});
    EXPECT_EQ(look.frame, 1);
    EXPECT_EQ(look.pictureFrom, (Rect{0, 0, 15, 17}));
    EXPECT_EQ(look.picture, (Rect{1, 2, 15, 17}));
    EXPECT_EQ(look.caption, (Rect{20, 4, 150, 13}));
    EXPECT_EQ(look.focusRect, (Rect{19, 3, 152, 15}));
    look = PlanCheckBox({93, 21, 96, false, false, true, 70, 13});
    EXPECT_EQ(look.frame, 4);
    EXPECT_EQ(look.pictureFrom, (Rect{45, 0, 15, 17}));
    EXPECT_EQ(look.captionColor, (ui::Color{128, 128, 128}));
    EXPECT_FALSE(look.focusRect.has_value());
    look = PlanCheckBox({200, 32, 144, false, true, false, 100, 19});
    EXPECT_EQ(look.picture, (Rect{2, 3, 22, 26}));
    EXPECT_EQ(look.caption, (Rect{30, 6, 100, 19}));

    struct Case {
        int captionWidth, letterHeight, dpi;
        ui::Size expected;
    };
    const Case sizes[] = {
        {150, 13, 96, {173, 21}},  // the picture decides the height: 17 + 4
        {150, 16, 96, {173, 22}},  // a taller font: 16 + 2 + 4
        {0, 0, 96, {23, 21}},      // empty caption: the picture alone
        {225, 19, 144, {259, 32}}, // 22 + 225 + 12; max(19 + 3, 26) + 6
        {300, 26, 192, {346, 42}}, // 30 + 300 + 16; max(26 + 4, 34) + 8
    };
    for (const Case& c : sizes) {
        const ui::Size size = CheckBoxAutoSize(c.captionWidth, c.letterHeight, c.dpi);
        EXPECT_EQ(size, c.expected);
        // Picture, gaps and caption always fit inside, focus rectangle included.
        const CheckBoxLook fits = PlanCheckBox(
            {size.width, size.height, c.dpi, true, true, true, c.captionWidth, c.letterHeight});
        EXPECT_LE(fits.focusRect->left + fits.focusRect->width, size.width);
        EXPECT_GE(fits.focusRect->top, 0);
        EXPECT_LE(fits.focusRect->top + fits.focusRect->height, size.height);
        EXPECT_LE(fits.picture.top + fits.picture.height, size.height);
    }
    EXPECT_LT(CheckBoxAutoSize(70, 13, 96).width, CheckBoxAutoSize(160, 13, 96).width);

    // The layout's width is the most a check box takes: wider captions shrink to fit instead.
    EXPECT_EQ(AutoSizedBounds({16, 122, 175, 21}, {173, 21}), (Rect{16, 122, 173, 21}));
    EXPECT_EQ(AutoSizedBounds({16, 122, 175, 21}, {208, 21}), (Rect{16, 122, 175, 21}));
    EXPECT_EQ(AutoSizedBounds({24, 183, 262, 31}, {259, 32}), (Rect{24, 183, 259, 32}));
    struct Fit {
        int width, dpi, fontHeight, captionWidth, overhead;
        int room, height;
    };
    const Fit fits[] = {
        {175, 96, 11, 152, 0, 152, 11}, // the design's font fits as it is
        {175, 96, 11, 185, 0, 152, 9},  // a wider stand-in shrinks
        {262, 144, 16, 261, 0, 228, 13}, {93, 96, 11, 83, 0, 70, 9},
        {93, 96, 11, 83, 6, 70, 8}, // not in step with the height: one pixel more
        {20, 96, 11, 50, 0, 0, 1},  // no room at all: the smallest font, not nothing
    };
    for (const Fit& f : fits) {
        const int room = CheckBoxCaptionRoom(f.width, f.dpi);
        EXPECT_EQ(room, f.room);
        // The caption's width at a font height: in step with it, plus a fixed part.
        const auto widthAt = [&](int h) { return f.captionWidth * h / f.fontHeight + f.overhead; };
        const int height = FittingFontHeight(f.fontHeight, room, widthAt);
        EXPECT_EQ(height, f.height) << f.width << " " << f.overhead;
        if (room > 0) {
            EXPECT_LE(widthAt(height), room);
        }
    }
}

TEST(SkinMenuFace, MeasuresAndDrawing) {
    EXPECT_EQ(MeasureMenuItem(true, {50, 13}, 0, 96), (ui::Size{66, 5}));
    EXPECT_EQ(MeasureMenuItem(false, {100, 13}, 0, 96), (ui::Size{166, 21}));
    EXPECT_EQ(MeasureMenuItem(false, {110, 13}, 40, 96), (ui::Size{216, 21}));
    EXPECT_EQ(MeasureMenuItem(false, {110, 25}, 40, 96), (ui::Size{216, 25})); // taller font
    EXPECT_EQ(MeasureMenuItem(false, {165, 20}, 60, 144), (ui::Size{324, 32}));
    EXPECT_EQ(MeasureMenuItem(true, {0, 0}, 0, 192), (ui::Size{132, 10}));

    const MenuColors& deepBlue = DeepBlueColors();
    const ui::Color bar{214, 211, 206}, blue{68, 74, 160}, white{255, 255, 255};
    EXPECT_EQ(deepBlue.bar, bar);
    const ui::Color line{132, 130, 132};
    EXPECT_EQ(deepBlue.separator, line);
    // A separator: bar, background, a line from bar + 4 to the right edge - 2, 2 below the top.
    MenuItemLook look = PlanMenuItem({{3, 50, 200, 5}, 96, true}, deepBlue);
    EXPECT_EQ(look.fills,
              (std::vector<ColorRect>{
                  {{3, 50, 26, 5}, bar}, {{29, 50, 174, 5}, white}, {{33, 52, 168, 1}, line}}));
    // The selected item: filled and framed in dark blue, white text, shortcut 16 from the right.
    look = PlanMenuItem({{3, 71, 200, 21}, 96, false, true, true, false, 40}, deepBlue);
    EXPECT_EQ(look.fills, (std::vector<ColorRect>{{{3, 71, 200, 21}, blue},
                                                  {{3, 71, 200, 1}, blue},
                                                  {{3, 91, 200, 1}, blue},
                                                  {{3, 71, 1, 21}, blue},
                                                  {{202, 71, 1, 21}, blue}}));
    EXPECT_EQ(look.textColor, white);
    EXPECT_EQ(look.caption, (Rect{33, 71, 170, 21}));
    EXPECT_EQ(look.shortcut, (Rect{147, 71, 40, 21}));
    // Disabled under the pointer: no highlight, grey text; checked: the mark at 4, 3.
    look = PlanMenuItem({{0, 0, 200, 21}, 96, false, true, false, true, 0}, deepBlue);
    EXPECT_EQ(look.fills,
              (std::vector<ColorRect>{{{0, 0, 26, 21}, bar}, {{26, 0, 174, 21}, white}}));
    EXPECT_EQ(look.textColor, (ui::Color{128, 128, 128}));
    EXPECT_EQ(look.checkMark, (Rect{4, 3, 16, 16}));
    // At 144 DPI: bar, gaps and the separator line scaled.
    look = PlanMenuItem({{0, 0, 300, 32}, 144, false, false, true, false, 0}, deepBlue);
    EXPECT_EQ(look.textColor, (ui::Color{0, 0, 0}));
    EXPECT_EQ(look.fills.front().at, (Rect{0, 0, 39, 32}));
    EXPECT_EQ(look.caption.left, 45);
    EXPECT_FALSE(look.checkMark.has_value());
    look = PlanMenuItem({{0, 0, 300, 8}, 144, true}, deepBlue);
    EXPECT_EQ(look.fills.back().at, (Rect{45, 3, 252, 2}));
}

// A separator is a separator to the system whether the skin draws it or not; only a skinned
// menu is drawn by the program, and a separator carries no caption and is never greyed.
TEST(SkinMenuFace, ItemTypes) {
    struct Case {
        bool separator, enabled, skinned;
        MenuItemType type;
    };
    const Case cases[] = {
        {true, true, true, {true, true, true, false}},
        {true, false, true, {true, true, true, false}},
        {true, true, false, {true, false, true, false}},
        {false, true, true, {false, true, true, true}},
        {false, false, true, {false, true, false, true}},
        {false, false, false, {false, false, false, true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MenuItemTypeFor(c.separator, c.enabled, c.skinned), c.type)
            << c.separator << c.enabled << c.skinned;
}

TEST(SkinMenuFace, CaptionsAndAccelerators) {
    const MenuCaption save = SplitMenuCaption("&Save Configuration\tCtrl+S");
    EXPECT_EQ(save.caption, "&Save Configuration");
    EXPECT_EQ(save.shortcut, "Ctrl+S");
    EXPECT_EQ(SplitMenuCaption("&About...").shortcut, "");

    const std::vector<std::string> captions{"&Home Page", "",     "&Options...", "Sa&ve As",
                                            "&Save",      "R&&D", "&Donate"};
    const std::vector<bool> enabled{true, true, true, true, false, true, true};
    struct Case {
        char key;
        int item;
    };
    const Case cases[] = {{'h', 0},
                          {'H', 0},
                          {'o', 2},
                          {'v', 3},
                          {'s', -1} /* disabled */,
                          {'d', 6} /* "&&" underlines nothing */,
                          {'x', -1},
                          {'&', -1}};
    for (const Case& c : cases)
        EXPECT_EQ(MnemonicItem(captions, enabled, c.key), c.item) << c.key;
}

} // namespace
} // namespace pw::skin
