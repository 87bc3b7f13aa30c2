#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <optional>

namespace pw::win32 {

class FormWindow;

// The thread's one message loop, for the main window and each modal form
// above it: shortcut and dialog keys first, the forms' idle step whenever
// the queue runs dry. Until `done` holds, or a WM_QUIT with its exit code.
std::optional<int> RunMessages(std::initializer_list<FormWindow*> windows,
                               const std::function<bool()>& done);

} // namespace pw::win32
