#pragma once

#include "ui/Form.h"

#include <functional>
#include <string>
#include <vector>

namespace pw::test {

// Records what a form asked of its window. RequestClose runs the given close
// handler, as the native window would.
class FakeFormSite : public ui::FormSite {
public:
    std::function<bool()> closeHandler;
    std::vector<std::string> calls;
    std::vector<bool> closeResults;
    const ui::Control* focused = nullptr;
    bool topmost = false;
    bool quit = false;

    void RequestClose() override;
    void PostMinimize() override { calls.emplace_back("PostMinimize"); }
    void ShowWindow() override { calls.emplace_back("ShowWindow"); }
    void RestoreIfMinimized() override { calls.emplace_back("RestoreIfMinimized"); }
    void BringToFront() override { calls.emplace_back("BringToFront"); }
    void Quit() override {
        calls.emplace_back("Quit");
        quit = true;
    }
    void Focus(const ui::Control& control) override { focused = &control; }
    void SetTopmost(bool on) override { topmost = on; }
    ui::WindowPlacement placement;
    bool centred = false;
    void SetPlacement(const ui::WindowPlacement& p, bool centre) override {
        placement = p;
        centred = centre;
    }
    ui::WindowPlacement GetPlacement() const override { return placement; }
    int clientWidth = 529;
    int ClientWidth() const override { return clientWidth; }
    void Popup(const ui::PopupMenu& menu, int, int) override {
        calls.push_back("Popup " + menu.Name());
    }
    // Plays the user's part in a modal form: the script acts on the form as it
    // would on screen. A form the script leaves open counts as closed by its
    // close box, as the native window would be.
    std::function<void(ui::Form&)> modalScript;
    int modalRuns = 0;
    void RunModal(ui::Form& dialog) override;
};

} // namespace pw::test
