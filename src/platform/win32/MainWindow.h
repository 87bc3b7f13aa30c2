#pragma once

#include "app/TfrmMain.h"
#include "platform/win32/FormWindow.h"
#include "platform/win32/Win32Desktop.h"

namespace pw::win32 {

// The main window's own messages on top of the common binding.
class MainWindow : public FormWindow {
public:
    MainWindow(TfrmMain& form, Win32Desktop& desktop)
        : FormWindow(form), form_(form), desktop_(desktop) {
        DrawLabelsAndPictures();
    }

    // Runs the show handler the first showing posted at once: the window is
    // visible and active already, and is then painted once, as the handler
    // leaves it, instead of again for the focus and check boxes it sets.
    void RunShowHandler();

protected:
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    bool OnClose() override;
    void OnDestroy() override;

private:
    // WM_SIZE, WM_GETMINMAXINFO and WM_DPICHANGED, to the layout.
    bool HandleSizing(UINT msg, WPARAM wp, LPARAM lp);
    // The notification area, the system commands and each showing.
    bool HandleWindowStates(UINT msg, WPARAM wp, LPARAM lp);
    // WM_ACTIVATE: the keyboard to the control that had it; true when given.
    bool Activate(WPARAM wp);

    TfrmMain& form_;
    Win32Desktop& desktop_;
    HWND focusedChild_ = nullptr;
    // Sent to every top-level window when the shell (re)creates the taskbar.
    const UINT taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
};

} // namespace pw::win32
