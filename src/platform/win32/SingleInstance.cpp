#include "platform/win32/SingleInstance.h"

#include "platform/Product.h"

#include <string>

namespace pw::win32 {

namespace {

// How long a later start waits for the first one's window to appear.
constexpr DWORD kWindowWaitMs = 10000;
constexpr DWORD kPollMs = 50;

} // namespace

SingleInstance::SingleInstance() {
    // "Local\" keeps the name to this session, as the window class is.
    const std::string name = std::string("Local\\") + kMainWindowClass;
    mutex_ = CreateMutexA(nullptr, TRUE, name.c_str());
    if (mutex_ == nullptr)
        first_ = !HandOver(); // no mutex to be had: the window alone decides
    else if (GetLastError() != ERROR_ALREADY_EXISTS)
        owned_ = true;
    else
        first_ = !HandOver();
}

SingleInstance::~SingleInstance() {
    if (owned_)
        ReleaseMutex(mutex_);
    if (mutex_ != nullptr)
        CloseHandle(mutex_);
}

// Posts the activate request to the running instance once its window exists.
// Returns false when there is none to hand over to: the first start ended
// before it made its window, and this one takes its place.
bool SingleInstance::HandOver() {
    for (DWORD waited = 0;; waited += kPollMs) {
        if (HWND running = FindWindowA(kMainWindowClass, nullptr); running != nullptr) {
            PostMessageA(running, kActivateRequest, 0, 0);
            SetForegroundWindow(running);
            return true;
        }
        if (mutex_ == nullptr)
            return false;
        const DWORD wait = WaitForSingleObject(mutex_, kPollMs);
        if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) {
            owned_ = true;
            return false;
        }
        if (waited >= kWindowWaitMs)
            return true; // a first start that never shows a window: still one program
    }
}

} // namespace pw::win32
