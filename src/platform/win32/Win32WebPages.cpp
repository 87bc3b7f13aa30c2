// Web pages through the shell, and the program's own data resources.
#include "platform/win32/Win32Desktop.h"

#include <shellapi.h>

namespace pw::win32 {

namespace {

// The application-wide hourglass while the shell starts the browser.
class HourglassScope {
public:
    HourglassScope() { SetCursor(LoadCursor(nullptr, IDC_WAIT)); }
    ~HourglassScope() { SetCursor(LoadCursor(nullptr, IDC_ARROW)); }
    HourglassScope(const HourglassScope&) = delete;
    HourglassScope& operator=(const HourglassScope&) = delete;
};

} // namespace

void Win32Desktop::OpenWebPage(const std::string& url) {
    const HourglassScope hourglass;
    ShellExecuteA(main_, "Open", url.c_str(), nullptr, nullptr, SW_SHOW);
}

void Win32Desktop::AskShellToOpen(const std::string& url) {
    ShellExecuteA(GetActiveWindow(), "Open", url.c_str(), nullptr, nullptr, SW_SHOW);
}

std::string_view Win32Desktop::ProgramResource(int id) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_RCDATA);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        return {};
    return {static_cast<const char*>(bytes),
            static_cast<std::size_t>(SizeofResource(module, found))};
}

} // namespace pw::win32
