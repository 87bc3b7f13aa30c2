#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <optional>

namespace pw::win32 {

// A window the message loop serves.
class LoopWindow {
public:
    virtual ~LoopWindow() = default;
    // Null once the window is gone.
    virtual HWND Handle() const = 0;
    // A key pressed in the window that is one of its form's shortcuts: run.
    virtual bool TranslateShortcut(const MSG& msg) = 0;
    // The queue ran dry: the form's idle step.
    virtual void Idle() = 0;
};

// The thread's one message loop, for the main window and each modal form
// above it: shortcut and dialog keys first, the forms' idle step whenever
// the queue runs dry. Until `done` holds, or a WM_QUIT with its exit code.
std::optional<int> RunMessages(std::initializer_list<LoopWindow*> windows,
                               const std::function<bool()>& done);

} // namespace pw::win32
