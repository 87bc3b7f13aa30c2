#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "Poll.h"

namespace e2e {

// Owns one kernel handle; move-only.
class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(HANDLE handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept;
    UniqueHandle& operator=(UniqueHandle&& other) noexcept;
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    HANDLE get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    void reset() noexcept;

private:
    HANDLE handle_ = nullptr;
};

// A child process started by the driver. Ending it is the owner's business: this class only
// closes the handles (see PastewiseApp and Notepad for the guards that end their program).
class Process {
public:
    // Throws std::runtime_error when the program cannot be started.
    static Process start(const std::string& commandLine);

    DWORD id() const noexcept { return processId_; }
    HANDLE handle() const noexcept { return process_.get(); }
    bool running() const;
    // The exit code once the process has ended within the timeout.
    std::optional<DWORD> waitForExit(milliseconds timeout = kDefaultTimeout) const;
    // Waits until the program has set up and waits for input with none pending.
    bool waitForInputIdle(milliseconds timeout = kStartTimeout) const;
    // Ends it the hard way; returns once it is gone (or after the timeout).
    void terminate() const noexcept;

private:
    Process(UniqueHandle process, DWORD processId)
        : process_(std::move(process)), processId_(processId) {}

    UniqueHandle process_;
    DWORD processId_ = 0;
};

// "/work/x/P.exe" -> "Z:\work\x\P.exe" under Wine; Windows paths are returned unchanged.
std::string toWindowsPath(const std::string& path);

// Quotes a program path for a command line.
std::string quoted(const std::string& path);

} // namespace e2e
