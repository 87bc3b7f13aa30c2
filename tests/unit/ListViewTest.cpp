#include "ui/ListView.h"

#include <gtest/gtest.h>

#include <vector>

namespace pw::ui {
namespace {

TEST(ListView, OnlyColumnsWhoseShownWidthDiffersAreResized) {
    ListView list("ListView1");
    list.SetColumns({{"No.", 40}, {"Content", 375}, {"Hotkey", 90}});
    const struct {
        std::vector<int> shown;
        std::vector<std::size_t> resize;
    } cases[] = {
        {{40, 375, 90}, {}},     // as wanted: nothing to send
        {{40, 300, 90}, {1}},    // one dragged by the user
        {{0, 0, 0}, {0, 1, 2}},  // a list not laid out yet
        {{40, 375}, {2}},        // a column the list does not report
        {{40, 375, 90, 12}, {}}, // one the list has beyond ours is left alone
    };
    for (const auto& c : cases)
        EXPECT_EQ(list.ColumnsToResize(c.shown), c.resize);
}

} // namespace
} // namespace pw::ui
