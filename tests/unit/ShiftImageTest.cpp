#include "about/WlmShiftImage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pw {
namespace {

const ui::Picture kOrdinary = ui::Picture::Icon(7);
const ui::Picture kFocused = ui::Picture::Icon(8);
const ui::Picture kNoFocused = ui::Picture::Icon(9);

// Names the picture on display, as the notifications see it.
std::string Shown(const ui::Image& image) {
    const int id = image.GetPicture().IconId();
    return id == 7 ? "ordinary" : id == 8 ? "focused" : id == 9 ? "not focused" : "none";
}

class ShiftImageTest : public ::testing::Test {
protected:
    ShiftImageTest() {
        image.SetBounds({11, 383, 32, 32});
        image.SetPicture(kOrdinary);
        image.SetFocusedPicture(kFocused);
        image.SetNoFocusedPicture(kNoFocused);
        image.OnMouseEnter = [this](ui::Control& sender) {
            log.push_back("enter (" + Shown(image) + ")");
            EXPECT_EQ(&sender, &image);
        };
        image.OnMouseLeave = [this](ui::Control& sender) {
            log.push_back("leave (" + Shown(image) + ")");
            EXPECT_EQ(&sender, &image);
        };
        image.OnClick = [this] {
            log.push_back("click at " + std::to_string(image.Bounds().left));
        };
    }
    TWlmShiftImage image{"wsiMenu"};
    std::vector<std::string> log;
};

TEST_F(ShiftImageTest, PicturesFollowTheMouseAfterTheNotifications) {
    // Setting the two pictures left the form's picture on display.
    EXPECT_EQ(Shown(image), "ordinary");
    image.MouseEnter();
    EXPECT_EQ(Shown(image), "focused");
    image.MouseEnter(); // a repeated report is no second entry
    image.MouseLeave();
    EXPECT_EQ(Shown(image), "not focused");
    image.MouseLeave();
    image.MouseEnter();
    EXPECT_EQ(log, (std::vector<std::string>{"enter (ordinary)", "leave (focused)",
                                             "enter (not focused)"}));
    // The control's pictures are its own copies.
    ui::Picture given = ui::Picture::Icon(42);
    image.SetFocusedPicture(given);
    given = ui::Picture::Icon(43);
    EXPECT_EQ(image.FocusedPicture().IconId(), 42);
}

TEST_F(ShiftImageTest, ADisabledImageKeepsItsPictureButStillNotifies) {
    image.MouseEnter();
    image.SetEnabled(false);
    image.MouseLeave();
    image.MouseEnter();
    EXPECT_EQ(Shown(image), "focused");
    EXPECT_EQ(log,
              (std::vector<std::string>{"enter (ordinary)", "leave (focused)", "enter (focused)"}));
    // Nor does a press on it click.
    image.MouseDown();
    EXPECT_FALSE(image.MouseUp(true));
}

TEST_F(ShiftImageTest, AHeldButtonSinksTheImageByTwoPixelsAndTheClickComesAfterIt) {
    image.MouseDown();
    EXPECT_EQ(image.Bounds(), (ui::Rect{13, 385, 32, 32}));
    image.MouseDown(); // a second button held changes nothing
    EXPECT_EQ(image.Bounds(), (ui::Rect{13, 385, 32, 32}));
    ASSERT_TRUE(image.MouseUp(true));
    EXPECT_EQ(image.Bounds(), (ui::Rect{11, 383, 32, 32}));
    image.Click();
    EXPECT_EQ(log, std::vector<std::string>{"click at 11"});

    // Released away from the image: back in place, no click.
    image.MouseDown();
    EXPECT_FALSE(image.MouseUp(false));
    // A release whose press went elsewhere moves nothing.
    EXPECT_FALSE(image.MouseUp(true));
    EXPECT_EQ(image.Bounds(), (ui::Rect{11, 383, 32, 32}));
}

TEST(ImageTest, AnOrdinaryImageClicksOnReleaseWithoutMoving) {
    ui::Image image("Image1");
    image.SetBounds({12, 8, 32, 32});
    int clicks = 0;
    image.OnClick = [&] { ++clicks; };
    image.MouseDown();
    EXPECT_EQ(image.Bounds(), (ui::Rect{12, 8, 32, 32}));
    if (image.MouseUp(true))
        image.Click();
    EXPECT_EQ(clicks, 1);
    // An empty bitmap (a picture that could not be read) is no picture.
    image.SetPicture(ui::Picture::Pixels(ui::Bitmap{}));
    EXPECT_FALSE(image.HasPicture());
    EXPECT_TRUE(ui::Picture::Pixels(ui::Bitmap{1, 1, {0, 0, 0, 255}}).Pixels() != nullptr);
}

} // namespace
} // namespace pw
