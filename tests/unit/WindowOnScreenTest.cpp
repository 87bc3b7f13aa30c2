#include "app/StartPlacement.h"
#include "persistence/ProfileFile.h"
#include "support/ProgramRun.h"
#include "ui/WindowOnScreen.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>
#include <vector>

namespace pw {
namespace ui {
void PrintTo(const Rect& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}
} // namespace ui
namespace {

using ui::Rect;

const Rect kPrimary{0, 0, 1920, 1040};
const Rect kLeftOfIt{-1280, 0, 1280, 984}; // a second monitor, left of the primary one

TEST(WindowOnScreenTest, BoundsOutOfReachAreMovedOntoTheNearestMonitorAndNoOthers) {
    struct Case {
        const char* name;
        std::vector<Rect> areas;
        Rect stored;
        Rect expected;
    };
    // clang-format off
    const Case cases[] = {
        {"the default place", {kPrimary}, {342, 192, 529, 516}, {342, 192, 529, 516}},
        {"half off the left edge", {kPrimary}, {-264, 192, 529, 516}, {-264, 192, 529, 516}},
        {"150 pixels of caption showing", {kPrimary}, {1770, 1010, 600, 500}, {1770, 1010, 600, 500}},
        {"149 pixels of caption showing", {kPrimary}, {1771, 300, 600, 500}, {1320, 300, 600, 500}},
        {"caption just above the top", {kPrimary}, {100, -18, 600, 500}, {100, -18, 600, 500}},
        {"caption out of sight above", {kPrimary}, {100, -19, 600, 500}, {100, 0, 600, 500}},
        {"only the frame at the bottom", {kPrimary}, {100, 1029, 600, 500}, {100, 540, 600, 500}},
        {"maximized, overhanging by its frame", {kPrimary}, {-8, -8, 1936, 1056}, {-8, -8, 1936, 1056}},
        {"on a monitor that is gone", {kPrimary}, {-30000, 192, 529, 516}, {0, 192, 537, 516}},
        {"far right and below", {kPrimary}, {30000, 30000, 529, 516}, {1383, 524, 537, 516}},
        {"no width", {kPrimary}, {342, 192, 0, 516}, {342, 192, 537, 516}},
        {"no height", {kPrimary}, {342, 192, 529, 0}, {342, 192, 537, 468}},
        {"negative size", {kPrimary}, {342, 192, -50, -50}, {342, 192, 537, 468}},
        {"larger than the screen", {kPrimary}, {0, 0, 100000, 100000}, {0, 0, 1920, 1040}},
        {"the ends of an int", {kPrimary}, {INT_MIN, INT_MAX, INT_MAX, INT_MAX}, {0, 0, 1920, 1040}},
        {"on the left monitor", {kPrimary, kLeftOfIt}, {-1000, 100, 529, 516}, {-1000, 100, 529, 516}},
        {"across both monitors", {kPrimary, kLeftOfIt}, {-1000, 100, 2500, 516}, {-1000, 100, 2500, 516}},
        {"beyond the left monitor", {kPrimary, kLeftOfIt}, {-30000, 700, 529, 516}, {-1280, 468, 537, 516}},
        {"left monitor unplugged", {kPrimary}, {-1000, 100, 529, 516}, {0, 100, 537, 516}},
        {"monitor smaller than the minimum", {{0, 0, 500, 400}}, {-3000, 50, 529, 516}, {0, 0, 537, 468}},
        {"no monitor known", {}, {-30000, 0, 0, 0}, {-30000, 0, 0, 0}},
        {"only an empty monitor", {{0, 0, 0, 0}}, {-30000, 0, 0, 0}, {-30000, 0, 0, 0}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Rect fitted = ui::OnScreen(c.stored, c.areas, kMainMinWidth, kMainMinHeight);
        EXPECT_EQ(fitted, c.expected);
        // Where the window fits at all, it can be reached where it is put.
        if (!c.areas.empty() && c.areas[0].width >= kMainMinWidth) {
            EXPECT_TRUE(ui::IsReachable(fitted, c.areas));
        }
    }
}

TEST(WindowOnScreenTest, AStartKeepsTheStoredPlacementUnlessItIsOutOfReach) {
    // Restored bounds from an undocked laptop's second screen, maximized on the primary one.
    test::FakeDesktop desktop;
    desktop.files[test::kSettingsPath] = test::FileOf(
        {"[WindowsPosition]", "Left=-8", "Top=-8", "Width=1936", "Height=1056", "Maximized=1",
         "NormalLeft=-30000", "NormalTop=300", "NormalWidth=0", "NormalHeight=600"});
    {
        test::ProgramRun run(desktop);
        EXPECT_EQ(run.site.placement,
                  ui::WindowPlacement({{-8, -8, 1936, 1056}, true, {0, 300, 537, 600}}));
        EXPECT_FALSE(run.site.centred);
        ASSERT_TRUE(run.Exit());
    }
    const ProfileFile written = ProfileFile::Parse(desktop.files[test::kSettingsPath]);
    EXPECT_EQ(written.GetInt("WindowsPosition", "NormalLeft", 1), 0);
    EXPECT_EQ(written.GetInt("WindowsPosition", "NormalWidth", 1), 537);

    // The monitor is back: the place found for it is kept, as any other.
    desktop.workAreas.push_back({-1280, 0, 1280, 984});
    test::ProgramRun next(desktop);
    EXPECT_EQ(next.site.placement.normal, (Rect{0, 300, 537, 600}));
}

} // namespace
} // namespace pw
