#include "platform/win32/Win32AppDataFolder.h"

#include "platform/win32/WideText.h"

#include <shlobj.h>

#include <system_error>
#include <utility>

namespace pw::win32 {

namespace {

std::string LookUp(HWND owner) {
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_APPDATA, &items)) || items == nullptr)
        return {};
    wchar_t path[MAX_PATH] = {};
    const BOOL ok = SHGetPathFromIDListW(items, path);
    ILFree(items);
    if (!ok || path[0] == L'\0')
        return {};
    std::string folder = Narrow(path);
    if (folder.back() != '\\')
        folder += '\\';
    return folder;
}

} // namespace

Win32AppDataFolder::~Win32AppDataFolder() {
    Wait();
}

void Win32AppDataFolder::LookUpAhead() {
    Wait();
    ahead_ = true;
    try {
        thread_ = std::thread([this] { answer_ = LookUp(nullptr); });
    } catch (const std::system_error&) {
        // No thread to spare: the folder is looked up when it is asked for.
    }
}

std::string Win32AppDataFolder::Folder() {
    // The answer looked up ahead serves once; every later call asks afresh.
    if (!std::exchange(ahead_, false))
        return LookUp(main_);
    if (!thread_.joinable())
        return LookUp(nullptr);
    Wait();
    return std::move(answer_);
}

void Win32AppDataFolder::Wait() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace pw::win32
