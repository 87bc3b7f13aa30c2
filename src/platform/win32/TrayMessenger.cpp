#include "platform/win32/TrayMessenger.h"

#include <system_error>

namespace pw::win32 {

TrayMessenger::~TrayMessenger() {
    {
        const std::lock_guard<std::mutex> guard(lock_);
        ending_ = true;
    }
    waiting_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void TrayMessenger::Send(DWORD message, const NOTIFYICONDATAW& icon) {
    if (!thread_.joinable()) {
        try {
            thread_ = std::thread(&TrayMessenger::Run, this);
        } catch (const std::system_error&) {
            // No thread to spare: the shell is told at once.
            NOTIFYICONDATAW copy = icon;
            Shell_NotifyIconW(message, &copy);
            return;
        }
    }
    {
        const std::lock_guard<std::mutex> guard(lock_);
        changes_.push_back({message, icon});
    }
    waiting_.notify_one();
}

void TrayMessenger::Run() {
    std::unique_lock<std::mutex> guard(lock_);
    for (;;) {
        waiting_.wait(guard, [this] { return ending_ || !changes_.empty(); });
        if (changes_.empty())
            return; // ending, and nothing is left to send
        Change change = changes_.front();
        changes_.pop_front();
        guard.unlock();
        Shell_NotifyIconW(change.message, &change.icon);
        guard.lock();
    }
}

} // namespace pw::win32
