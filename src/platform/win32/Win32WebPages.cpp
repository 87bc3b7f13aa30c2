// Pages a dialog asks the shell for, and the program's own data resources.
#include "platform/win32/Win32Desktop.h"

#include <shellapi.h>

namespace pw::win32 {

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
