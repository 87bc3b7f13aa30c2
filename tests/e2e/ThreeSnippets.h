#pragma once

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "Notepad.h"
#include "PastewiseApp.h"
#include "PasteCheck.h"

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

    ::testing::AssertionResult pasteInNotepad(std::initializer_list<WORD> keys,
                                              const std::string& expected) const {
        return e2e::pasteInNotepad(app, notepad, keys, expected);
    }
    ::testing::AssertionResult pasteInNotepad(char key, const std::string& expected) const {
        return e2e::pasteInNotepad(app, notepad, key, expected);
    }

    PastewiseApp app;
    Notepad notepad;
};

} // namespace e2e
