#include "platform/win32/Win32Shell.h"

#include <shellapi.h>

namespace pw::win32 {

void Win32Shell::OpenWebPage(const std::string& address) const {
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    ShellExecuteA(main_, "Open", address.c_str(), nullptr, nullptr, SW_SHOW);
    SetCursor(previous);
}

void Win32Shell::AskToOpen(const std::string& url) const {
    ShellExecuteA(GetActiveWindow(), "Open", url.c_str(), nullptr, nullptr, SW_SHOW);
}

} // namespace pw::win32
