#pragma once

#include "platform/Desktop.h"
#include "platform/win32/Unique.h"

#include <windows.h>

#include <optional>
#include <string>

namespace pw::win32 {

// The open and save dialogs, owned by the main window.
class Win32FileDialog {
public:
    void SetMainWindow(HWND hwnd) { main_ = hwnd; }
    // Nothing when the user gives up, and when the dialogs cannot be had.
    std::optional<std::string> Choose(const FileDialogRequest& request);

private:
    HWND main_ = nullptr;
    // The dialogs' library, loaded by the first dialog: most runs show none,
    // and loading it with the printing libraries it pulls in slows every
    // start. Loaded once, whether or not that worked.
    std::optional<UniqueModule> library_;
};

} // namespace pw::win32
