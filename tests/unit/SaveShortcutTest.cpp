#include "support/ProgramRun.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace pw {
namespace {

using test::CaptionWith;

constexpr const char* kFile = "C:\\d\\a.pwc";

// Ctrl+S saves only as exactly Ctrl+S and only while Save Configuration is
// available; any other press is left to the focused control (AltGr+S, which
// is Ctrl+Alt+S, types a letter on many keyboards).
TEST(SaveShortcutTest, OnlyExactlyCtrlSSavesAndOnlyWhileSaveIsAvailable) {
    const struct {
        std::string doc;
        std::uint16_t vk;
        bool ctrl, shift, alt;
        bool saves;
    } cases[] = {
        {"[a.pwc*]", 'S', true, false, false, true},
        {"[a.pwc*]", 'S', true, true, false, false}, // Ctrl+Shift+S
        {"[a.pwc*]", 'S', true, false, true, false}, // AltGr+S
        {"[a.pwc*]", 'S', true, true, true, false},
        {"[a.pwc*]", 'S', false, false, false, false},
        {"[a.pwc*]", 'S', false, false, true, false},
        {"[a.pwc*]", 'A', true, false, false, false},
        {"[a.pwc]", 'S', true, false, false, false}, // nothing to save: Save is greyed
        {"", 'S', true, false, false, false},        // no document at all
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.doc << " vk " << c.vk << " ctrl " << c.ctrl
                                        << " shift " << c.shift << " alt " << c.alt);
        test::RunningProgram p;
        p.run.Open(c.doc, c.doc.empty() ? "" : kFile, 2);
        EXPECT_EQ(p.frm.RunShortcut(c.vk, c.ctrl, c.shift, c.alt), c.saves);
        EXPECT_EQ(p.desktop.files.contains(kFile), c.saves);
        EXPECT_EQ(p.frm.Caption(), CaptionWith(c.saves ? "[a.pwc]" : c.doc));
    }
}

} // namespace
} // namespace pw
