#pragma once

#include <windows.h>

#include <exception>

namespace pw::win32 {

// The program's one answer to a handler that fails inside a window, subclass
// or hook procedure: the failure is reported in the program's message box,
// the first one only (the box runs a loop of its own, in which a failing
// handler would fail again), and the message gets the system's handling.
void ReportFailureOnce(const char* what) noexcept;

// Exceptions cannot unwind through the system's frames: every procedure the
// system calls runs its work through here.
template <typename Work, typename Fallback>
LRESULT CallGuarded(Work&& work, Fallback&& fallback) noexcept {
    try {
        return work();
    } catch (const std::exception& e) {
        ReportFailureOnce(e.what());
    } catch (...) {
        ReportFailureOnce("Unexpected error.");
    }
    return fallback();
}

} // namespace pw::win32
