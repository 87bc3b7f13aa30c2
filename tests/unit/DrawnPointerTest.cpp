#include "ui/DrawnPointer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pw::ui {
namespace {

// 0: a banner picture; 1: a label on it; 2: a frame over both; 3: a hidden
// picture; 4: a picture beside them.
const std::vector<PointerTarget> kTargets = {
    {{0, 0, 100, 40}},
    {{10, 10, 60, 13}, true, true},
    {{0, 0, 200, 100}, true, false, true},
    {{120, 10, 32, 32}, false},
    {{120, 10, 32, 32}},
};

TEST(DrawnPointer, TheTargetUnderThePointerIsTheTopmostThatTakesTheMouse) {
    const struct {
        int x, y, target;
    } cases[] = {
        {15, 15, 1},   // the label over the picture
        {5, 5, 0},     // the picture around it
        {99, 39, 0},   // its last pixel
        {100, 39, -1}, // one past it: only the frame, which takes no part
        {130, 20, 4},  // the hidden picture under the shown one is passed over
        {-1, 0, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TargetAt(kTargets, c.x, c.y), c.target) << c.x << "," << c.y;
}

// Each step: what the mouse did, and the effects as "left entered held released click handled".
std::string Step(DrawnPointer& pointer, const std::string& what, int x = 0, int y = 0) {
    PointerEffects e;
    if (what == "move")
        e = pointer.Move(kTargets, x, y);
    else if (what == "leave")
        e = pointer.Leave();
    else if (what == "down" || what == "rdown")
        e = pointer.Press(kTargets, x, y, what == "down");
    else if (what == "up" || what == "rup")
        e = pointer.Release(kTargets, x, y, what == "up");
    else
        e = pointer.CaptureLost();
    return std::to_string(e.left) + " " + std::to_string(e.entered) + " " + std::to_string(e.held) +
           " " + std::to_string(e.released) + " " + std::to_string(e.click) + " " +
           std::to_string(e.handled);
}

TEST(DrawnPointer, PicturesAndLabelsClickOnlyOnALeftReleaseOverWhereTheyWentDown) {
    const struct {
        const char* what;
        int x, y;
        const char* effects;
    } steps[] = {
        {"move", 5, 5, "-1 0 -1 -1 0 1"},     // over the banner
        {"move", 15, 15, "0 1 -1 -1 0 1"},    // onto its label
        {"rdown", 15, 15, "-1 -1 -1 -1 0 1"}, // a label is not held by another button
        {"rup", 15, 15, "-1 -1 -1 -1 0 0"},   // which leaves its release to the window
        {"down", 15, 15, "-1 -1 1 -1 0 1"},   // the left button holds it: no click yet
        {"move", 5, 5, "1 -1 -1 -1 0 0"},     // dragged off onto the banner: no hover there
        {"up", 5, 5, "-1 -1 -1 1 0 1"},       // let go there: no click
        {"move", 15, 15, "-1 1 -1 -1 0 1"},
        {"down", 15, 15, "-1 -1 1 -1 0 1"},
        {"up", 69, 22, "-1 -1 -1 1 1 1"}, // its last pixel: a click
        {"down", 15, 15, "-1 -1 1 -1 0 1"},
        {"up", 70, 15, "-1 -1 -1 1 0 1"}, // one past it: none
        {"down", 15, 15, "-1 -1 1 -1 0 1"},
        {"lost", 0, 0, "-1 -1 -1 1 0 0"},    // the mouse taken away
        {"move", 130, 20, "1 4 -1 -1 0 1"},  // over the picture beside
        {"down", 130, 20, "-1 -1 4 -1 0 1"}, // held
        {"move", 5, 5, "4 -1 -1 -1 0 0"},    // dragged off: no hover elsewhere
        {"move", 131, 21, "-1 4 -1 -1 0 1"}, // and back
        {"up", 131, 21, "-1 -1 -1 4 1 1"},   // a click
        {"down", 130, 20, "-1 -1 4 -1 0 1"},
        {"up", 5, 5, "-1 -1 -1 4 0 1"},       // let go elsewhere: no click
        {"up", 130, 20, "-1 -1 -1 -1 0 0"},   // nothing held any more
        {"rdown", 130, 20, "-1 -1 4 -1 0 1"}, // a picture is held by any button
        {"rup", 130, 20, "-1 -1 -1 4 0 1"},   // but clicks only for the left one
        {"down", 130, 20, "-1 -1 4 -1 0 1"},
        {"lost", 0, 0, "-1 -1 -1 4 0 0"},
        {"leave", 0, 0, "4 -1 -1 -1 0 0"},
    };
    DrawnPointer pointer;
    for (const auto& s : steps)
        EXPECT_EQ(Step(pointer, s.what, s.x, s.y), s.effects) << s.what << " " << s.x << "," << s.y;
}

} // namespace
} // namespace pw::ui
