#pragma once

#include <functional>
#include <initializer_list>
#include <optional>

namespace pw::win32 {

class FormWindow;

// The thread's message loop, for the main window and for each modal form on
// top of it: the windows' shortcut keys and dialog keys come first, and their
// forms' idle step runs whenever the queue runs dry. Runs until `done` holds,
// or returns the exit code of a WM_QUIT.
std::optional<int> RunMessageLoop(std::initializer_list<FormWindow*> windows,
                                  const std::function<bool()>& done);

} // namespace pw::win32
