#pragma once

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "Input.h"
#include "Notepad.h"
#include "PastewiseApp.h"

namespace e2e {

// A fresh program with three snippets typed in and added, and a notepad to paste into.
class ThreeSnippets : public ::testing::Test {
protected:
    inline static const std::array<std::string, 3> kTexts{
        "Kind regards, Ann Miller", "ann.miller@example.org", "+44 20 7946 0958"};

    void SetUp() override {
        for (const std::string& text : kTexts) {
            ASSERT_TRUE(app.addSnippet(text));
        }
    }

    // Presses the combination (modifiers first) with notepad in front and waits for notepad to
    // show `expected`.
    ::testing::AssertionResult pasteInNotepad(std::initializer_list<WORD> keys,
                                              const std::string& expected) const {
        if (!notepad.focus()) {
            return ::testing::AssertionFailure() << "notepad did not get the focus";
        }
        if (!app.pressHotkey(keys)) {
            return ::testing::AssertionFailure() << "pressing " << describeKeys(keys) << " failed";
        }
        if (!notepad.waitForText(expected)) {
            return ::testing::AssertionFailure()
                   << "after " << describeKeys(keys) << " notepad shows \"" << notepad.text()
                   << "\", expected \"" << expected << "\"";
        }
        return ::testing::AssertionSuccess();
    }
    // The same for Ctrl+key.
    ::testing::AssertionResult pasteInNotepad(char key, const std::string& expected) const {
        return pasteInNotepad({VK_CONTROL, static_cast<WORD>(static_cast<unsigned char>(key))},
                              expected);
    }

    PastewiseApp app;
    Notepad notepad;
};

} // namespace e2e
