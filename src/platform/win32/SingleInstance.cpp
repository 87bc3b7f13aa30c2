#include "platform/win32/SingleInstance.h"

#include "platform/Product.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowMessages.h"

#include <string>

namespace pw::win32 {

namespace {

// How long a later start waits for the first one's window to appear.
constexpr DWORD kWindowWaitMs = 10000;
constexpr DWORD kPollMs = 50;

} // namespace

std::optional<UniqueHandle> ClaimSingleInstance() {
    // "Local\" keeps the name to this session, as the window class is.
    const std::wstring name = L"Local\\" + Wide(kMainWindowClass);
    UniqueHandle mutex(CreateMutexW(nullptr, TRUE, name.c_str()));
    const std::wstring windowClass = Wide(kMainWindowClass);
    if (mutex && GetLastError() != ERROR_ALREADY_EXISTS)
        return mutex;
    for (DWORD waited = 0; waited <= kWindowWaitMs; waited += kPollMs) {
        if (HWND running = FindWindowW(windowClass.c_str(), nullptr); running != nullptr) {
            PostMessageW(running, kActivateRequest, 0, 0);
            SetForegroundWindow(running);
            return std::nullopt;
        }
        if (!mutex)
            return mutex; // no mutex to be had: the window alone decides
        // The first start ended before it made its window: this one takes its place.
        const DWORD wait = WaitForSingleObject(mutex.get(), kPollMs);
        if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED)
            return mutex;
    }
    return std::nullopt; // a first start that shows no window: still one program
}

} // namespace pw::win32
