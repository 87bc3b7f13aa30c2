#include "ui/HintTiming.h"
#include "ui/LayoutPassHold.h"

#include <gtest/gtest.h>

#include <string>

namespace pw::ui {
namespace {

TEST(LayoutPassHold, ChangesWaitForTheOutermostPassAndAreShownOnceEach) {
    LayoutPassHold hold(3);
    std::string shown;
    const auto show = [&](std::size_t control, unsigned kinds) {
        shown += std::to_string(control) + ":" + std::to_string(kinds) + " ";
    };
    EXPECT_FALSE(hold.Hold(0, 1)); // no pass: shown at once
    hold.Begin();
    EXPECT_TRUE(hold.Hold(2, 1));
    hold.Begin(); // nested
    EXPECT_TRUE(hold.Hold(2, 2));
    EXPECT_TRUE(hold.Hold(0, 1));
    EXPECT_TRUE(hold.Hold(0, 1));
    EXPECT_FALSE(hold.Hold(3, 1)); // no such control
    hold.End(show);
    EXPECT_EQ(shown, ""); // the inner pass shows nothing
    hold.End(show);
    EXPECT_EQ(shown, "0:1 2:3 ");
    hold.End(show); // an end too many changes nothing
    hold.Begin();
    hold.End(show);
    EXPECT_EQ(shown, "0:1 2:3 "); // what was shown is forgotten
}

TEST(HintTiming, TheHintsAreMadeOnceAfterTheFirstWaitThatStarts) {
    HintTiming timing;
    EXPECT_TRUE(timing.PointerCame());
    timing.WaitRefused(); // no timer: the next coming tries again
    EXPECT_TRUE(timing.PointerCame());
    EXPECT_FALSE(timing.PointerCame()); // waiting already
    EXPECT_TRUE(timing.WaitEnded());
    EXPECT_FALSE(timing.WaitEnded());
    EXPECT_FALSE(timing.PointerCame());
    timing.WaitRefused(); // made: stays made
    EXPECT_FALSE(timing.PointerCame());
}

} // namespace
} // namespace pw::ui
