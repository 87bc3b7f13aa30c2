#pragma once

#include <windows.h>

namespace pw::win32 {

// Which of several starts in this session runs the program. The window class
// alone cannot say: the first start's window does not exist in its first
// moments, so a named mutex decides, and a later start waits for the window.
class SingleInstance {
public:
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this start is to run the program. Otherwise the running
    // instance has been asked to come to the front, and this start ends.
    bool IsFirst() const { return first_; }

private:
    bool HandOver();

    HANDLE mutex_ = nullptr;
    bool owned_ = false;
    bool first_ = true;
};

} // namespace pw::win32
