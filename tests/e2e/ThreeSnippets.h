#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

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

    // Presses Ctrl+key with notepad in front and waits for notepad to show `expected`.
    ::testing::AssertionResult pasteInNotepad(char key, const std::string& expected) const {
        if (!notepad.focus()) {
            return ::testing::AssertionFailure() << "notepad did not get the focus";
        }
        if (!app.pressHotkey(key)) {
            return ::testing::AssertionFailure() << "pressing Ctrl+" << key << " failed";
        }
        if (!notepad.waitForText(expected)) {
            return ::testing::AssertionFailure()
                   << "after Ctrl+" << key << " notepad shows \"" << notepad.text()
                   << "\", expected \"" << expected << "\"";
        }
        return ::testing::AssertionSuccess();
    }

    PastewiseApp app;
    Notepad notepad;
};

} // namespace e2e
