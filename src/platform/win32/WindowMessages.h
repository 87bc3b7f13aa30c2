#pragma once

#include <windows.h>

namespace pw::win32 {

// The program's private window messages, all of them.

// Posted by a second start to the running instance's main window.
inline constexpr UINT kActivateRequest = 0x5A01;
// The message the shell sends the main window for the mouse over its icon;
// lParam is the mouse message.
inline constexpr UINT kTrayCallback = 0x5A02;

// A press for a capture field, to its form window: wParam MAKEWPARAM(key,
// MOD_ flags), lParam the field. A hotkey of the program pressed in the field
// comes this way too.
inline constexpr UINT kCaptureKey = WM_APP + 1;
// Posted at each showing of a form's window: the show handler runs once the
// window is visible and active, so that the focus it gives stays where it put it.
inline constexpr UINT kShown = WM_APP + 2;
// The shell's "TaskbarCreated", registered at run time, as the main window's
// table knows it.
inline constexpr UINT kTaskbarCreated = WM_APP + 3;
// Posted by a form window's accessible object: wParam the drawn child whose
// default action a reader asked for.
inline constexpr UINT kAccessibleAction = WM_APP + 8;
// Posted by the clipboard to the main window about the text of its last
// paste, once the reader or writer that caused it is done with the clipboard:
// wParam the offer it concerns, lParam a ClipboardNotice.
inline constexpr UINT kClipboardNotice = WM_APP + 9;

} // namespace pw::win32
