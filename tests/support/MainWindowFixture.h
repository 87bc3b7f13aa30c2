#pragma once

#include "app/TfrmMain.h"
#include "snippets/SnippetList.h"
#include "snippets/SnippetTable.h"
#include "support/FakeDesktop.h"
#include "support/MainForm.h"
#include "support/ListCells.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace pw::test {

// A main window on a fake desktop, with short ways to fill it and to read it
// back one column at a time.
class MainWindowTest : public ::testing::Test {
protected:
    static std::string Text(int i) { return "t" + std::to_string(i); }
    // "t1" .. "tn", or "t1" .. "tn" without the given position.
    static std::vector<std::string> Texts(int n, int skip = 0) {
        std::vector<std::string> texts;
        for (int i = 1; i <= n; ++i)
            if (i != skip)
                texts.push_back(Text(i));
        return texts;
    }

    void Add(const std::string& text) { AddSnippet(frm.List(), text); }
    void AddTexts(int n) {
        for (int i = 1; i <= n; ++i)
            Add(Text(i));
    }
    void Select(int row) {
        frm.ListView1.Select(row);
        frm.Idle();
    }

    std::vector<std::string> Column(int column) const {
        return test::ColumnCells(frm.ListView1, column);
    }
    std::vector<std::string> Numbers() const { return Column(SnippetTable::kNumberColumn); }
    std::vector<std::string> Contents() const { return Column(SnippetTable::kContentColumn); }
    std::vector<std::string> HotkeyCells() const { return Column(SnippetTable::kHotkeyColumn); }
    const std::vector<THotkeyInfo>& Records() const { return frm.Hotkeys().Records().Records(); }

    // Every registration asked of the system: id, modifiers, key.
    using Registrations = std::vector<std::tuple<int, std::uint32_t, std::uint32_t>>;
    Registrations RegisterCalls() const {
        Registrations calls;
        for (const auto& r : desktop.registerCalls)
            calls.emplace_back(r.id, r.modifiers, r.vk);
        return calls;
    }

    // What a press of the hotkey with this id pastes, into a target that
    // reads it at once.
    std::string Pasted(std::int32_t id) {
        desktop.clipboard.reset();
        frm.HotkeyPressed(id);
        frm.ClipboardTextRead(ClipboardReader::Target);
        return desktop.clipboard.value_or("<nothing>");
    }

    FakeDesktop desktop;
    MainForm frm{desktop};
};

} // namespace pw::test
