#include "about/TfrmAbout.h"
#include "support/ProgramRun.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pw {
namespace {

using Calls = std::vector<std::string>;

constexpr std::uint16_t kF10 = 0x79;

// F10 alone opens the main menu under the "Menu" label; with a modifier it is left to the
// focused control (Shift+F10 opens the list's context menu), and other keys open nothing.
TEST(MenuKeyTest, OnlyF10AloneReachesTheMainMenuAndOnlyInTheMainWindow) {
    const struct {
        std::uint16_t vk;
        bool ctrl, shift, alt;
        bool opens;
    } cases[] = {
        {kF10, false, false, false, true},      {kF10, false, true, false, false},
        {kF10, true, false, false, false},      {kF10, false, false, true, false},
        {kF10, true, true, false, false},       {kF10 - 1, false, false, false, false}, // F9
        {kF10 + 1, false, false, false, false},                                         // F11
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "vk " << c.vk << " ctrl " << c.ctrl << " shift "
                                        << c.shift << " alt " << c.alt);
        test::RunningProgram p;
        p.run.site.calls.clear();
        EXPECT_EQ(p.frm.RunShortcut(c.vk, c.ctrl, c.shift, c.alt), c.opens);
        EXPECT_EQ(p.run.site.calls,
                  c.opens ? Calls{"PopupFromKeyboard suiPopupMenu1 lMenu"} : Calls{});
    }
    test::FakeDesktop desktop;
    TfrmAbout about(desktop);
    EXPECT_FALSE(about.RunShortcut(kF10, false, false, false));
}

} // namespace
} // namespace pw
