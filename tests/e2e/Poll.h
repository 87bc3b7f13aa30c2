#pragma once

#include <windows.h>

#include <chrono>

namespace e2e {

using std::chrono::milliseconds;

// How long the driver waits for something the program should do "at once".
inline constexpr milliseconds kDefaultTimeout{5000};
// Starting a Wine process cold takes about a second; leave room for a loaded machine.
inline constexpr milliseconds kStartTimeout{20000};
inline constexpr DWORD kPollStepMs = 10;

// Calls probe() every 10 ms until it returns something truthy or the time is up, and returns
// the last result: a window handle, an optional, a bool.
template <class Probe>
auto pollFor(Probe&& probe, milliseconds timeout = kDefaultTimeout) -> decltype(probe()) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        auto result = probe();
        if (result || std::chrono::steady_clock::now() >= deadline) {
            return result;
        }
        Sleep(kPollStepMs);
    }
}

template <class Condition>
bool waitUntil(Condition&& condition, milliseconds timeout = kDefaultTimeout) {
    return pollFor([&] { return static_cast<bool>(condition()); }, timeout);
}

} // namespace e2e
