#pragma once

#include <windows.h>

#include <string>

namespace pw::win32 {

// Web pages, handed to the shell for the user's browser.
class Win32Shell {
public:
    void SetMainWindow(HWND hwnd) { main_ = hwnd; }
    // For the main window, with the hourglass while the shell works.
    void OpenWebPage(const std::string& address) const;
    // For a dialog: owned by the active window, at once.
    void AskToOpen(const std::string& url) const;

private:
    HWND main_ = nullptr;
};

} // namespace pw::win32
