#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "Poll.h"

namespace e2e {

// Sends a message to another process's window without hanging the driver if that process
// stops answering; empty when it did not answer in time.
std::optional<LRESULT> sendTo(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// A window's text in UTF-8, read and set as Unicode text, whatever the window is.
std::string windowText(HWND window);
bool setWindowText(HWND window, const std::string& text);
std::string windowClass(HWND window);
DWORD processOf(HWND window);

// Top-level windows of one process, optionally of one class.
std::vector<HWND> topLevelWindows(DWORD processId, const char* className = nullptr);
HWND findTopLevel(DWORD processId, const char* className, const char* caption = nullptr);

// Any descendant (child, grandchild, ...) with this control id.
HWND findDescendant(HWND ancestor, int controlId);

// The process's visible top-level window of this class, such as one of its dialogs.
HWND findVisibleTopLevel(DWORD processId, const char* className);
// Waits for that window with its control `lastChildId`: a window exists before its
// children, so waiting for the last one it creates means all of them are there.
HWND waitForWindowWithChild(DWORD processId, const char* className, int lastChildId,
                            milliseconds timeout = kDefaultTimeout);

// A message box (class #32770) with this caption belonging to the process.
HWND findMessageBox(DWORD processId, const std::string& caption);
std::string messageBoxText(HWND box);
// Presses one of its buttons and waits until the box is gone.
bool answerMessageBox(HWND box, int buttonId, milliseconds timeout = kDefaultTimeout);

// The window with the keyboard focus in the thread that owns `window`.
HWND focusOfThread(HWND window);
// Makes `window` the foreground window and waits until it is.
bool bringToFront(HWND window, milliseconds timeout = kDefaultTimeout);

// Posts BM_CLICK if the button is enabled (Wine reports a click on a disabled button too, so
// the driver must not click what a user could not).
bool clickButton(HWND button);

} // namespace e2e
