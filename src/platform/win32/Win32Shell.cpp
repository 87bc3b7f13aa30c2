#include "platform/win32/Win32Shell.h"

#include "platform/win32/WideText.h"

#include <shellapi.h>

namespace pw::win32 {

void Win32Shell::OpenWebPage(const std::string& address) const {
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    ShellExecuteW(main_, L"Open", Wide(address).c_str(), nullptr, nullptr, SW_SHOW);
    SetCursor(previous);
}

void Win32Shell::AskToOpen(const std::string& url) const {
    ShellExecuteW(GetActiveWindow(), L"Open", Wide(url).c_str(), nullptr, nullptr, SW_SHOW);
}

} // namespace pw::win32
