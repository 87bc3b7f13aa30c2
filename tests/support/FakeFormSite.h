#pragma once

#include "ui/Form.h"

#include <cstdint>
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
    void RestoreIfMinimized() override {
        calls.emplace_back("RestoreIfMinimized");
        minimized = false;
    }
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
    // A frame of 8 by 34 pixels around the client area, as at 96 DPI.
    ui::Size outer{537, 468};
    ui::Size client{529, 434};
    int dpi = 96;
    // Runs as the native window runs the form's resize handler after a new size.
    std::function<void()> onResize;
    std::vector<ui::Size> outerSizesSet;
    int ClientWidth() const override { return client.width; }
    ui::Size OuterSize() const override { return outer; }
    ui::Size ClientSize() const override { return client; }
    void SetOuterSize(ui::Size size) override;
    int Dpi() const override { return dpi; }
    void Popup(const ui::PopupMenu& menu, int, int) override {
        calls.push_back("Popup " + menu.Name());
    }
    void PopupFromKeyboard(const ui::PopupMenu& menu, const ui::Control& below) override {
        calls.push_back("PopupFromKeyboard " + menu.Name() + " " + below.Name());
    }
    // Plays the user's part in a modal form: the script acts on the form as it
    // would on screen. A form the script leaves open counts as closed by its
    // close box, as the native window would be.
    std::function<void(ui::Form&)> modalScript;
    int modalRuns = 0;
    void RunModal(ui::Form& dialog) override;

    // Window states: the calls are recorded, the state answers the questions.
    bool minimized = false;
    bool maximized = false;
    bool taskbarButtonHidden = false;
    ui::Rect bounds{100, 50, 529, 516};
    void HideWindow() override { calls.emplace_back("HideWindow"); }
    bool IsMinimized() const override { return minimized; }
    bool IsMaximized() const override { return maximized; }
    void SetTaskbarButtonHidden(bool hidden) override {
        taskbarButtonHidden = hidden;
        calls.push_back(hidden ? "SetTaskbarButtonHidden 1" : "SetTaskbarButtonHidden 0");
    }
    void SetMinimizedPosition(int x, int y) override {
        calls.push_back("SetMinimizedPosition " + std::to_string(x) + " " + std::to_string(y));
    }
    ui::Rect WindowBounds() const override { return bounds; }
    void SetWindowBounds(const ui::Rect& r) override {
        bounds = r;
        calls.push_back("SetWindowBounds " + std::to_string(r.left) + " " + std::to_string(r.top) +
                        " " + std::to_string(r.width) + " " + std::to_string(r.height));
    }
};

} // namespace pw::test
