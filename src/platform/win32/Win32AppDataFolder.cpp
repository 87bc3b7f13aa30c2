// The user's application-data folder, as the shell reports it.
#include "platform/win32/Unique.h"
#include "platform/win32/Win32Desktop.h"

#include <shlobj.h>

namespace pw::win32 {

namespace {

std::string LookUpAppDataFolder(HWND owner) {
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_APPDATA, &items)) || items == nullptr)
        return {};
    char path[MAX_PATH] = {};
    const BOOL ok = SHGetPathFromIDListA(items, path);
    ILFree(items);
    if (!ok || path[0] == '\0')
        return {};
    std::string folder(path);
    if (folder.back() != '\\')
        folder += '\\';
    return folder;
}

} // namespace

// The shell builds its folder objects for the first lookup, which takes
// several milliseconds of every start-up; on a thread of its own it runs
// while the window is made.
class Win32Desktop::AppDataLookup {
public:
    AppDataLookup() : thread_(CreateThread(nullptr, 0, &Run, this, 0, nullptr)) {}
    ~AppDataLookup() { Wait(); }
    AppDataLookup(const AppDataLookup&) = delete;
    AppDataLookup& operator=(const AppDataLookup&) = delete;

    // The answer; empty when the thread could not be started either.
    std::string Take() {
        Wait();
        return thread_ ? std::move(folder_) : LookUpAppDataFolder(nullptr);
    }

private:
    static DWORD WINAPI Run(void* self) {
        auto& lookup = *static_cast<AppDataLookup*>(self);
        lookup.folder_ = LookUpAppDataFolder(nullptr);
        return 0;
    }
    void Wait() {
        if (thread_)
            WaitForSingleObject(thread_.get(), INFINITE);
    }

    UniqueHandle thread_;
    std::string folder_;
};

Win32Desktop::Win32Desktop() = default;
Win32Desktop::~Win32Desktop() = default;

void Win32Desktop::LookUpAppDataFolderAhead() {
    appDataAhead_ = std::make_unique<AppDataLookup>();
}

std::string Win32Desktop::AppDataFolder() {
    // The answer looked up ahead serves once; every later call asks afresh.
    if (appDataAhead_) {
        const std::unique_ptr<AppDataLookup> ahead = std::move(appDataAhead_);
        return ahead->Take();
    }
    return LookUpAppDataFolder(main_);
}

} // namespace pw::win32
