#pragma once

#include <windows.h>

#include <shellapi.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace pw::win32 {

// Hands the notification-area icon's changes to the shell from a thread of
// its own, in the order they were made. The shell answers each change only
// after the taskbar has redrawn, which would otherwise hold up the window's
// own start; the icon may come a moment after the window. Whatever is
// waiting when the messenger goes is still sent.
class TrayMessenger {
public:
    TrayMessenger() = default;
    ~TrayMessenger();
    TrayMessenger(const TrayMessenger&) = delete;
    TrayMessenger& operator=(const TrayMessenger&) = delete;

    void Send(DWORD message, const NOTIFYICONDATAW& icon);

private:
    struct Change {
        DWORD message;
        NOTIFYICONDATAW icon;
    };
    void Run();

    std::mutex lock_;
    std::condition_variable waiting_;
    std::deque<Change> changes_;
    bool ending_ = false;
    std::thread thread_;
};

} // namespace pw::win32
