#pragma once

#include <windows.h>

#include <ole2.h>
#include <oleacc.h>

namespace pw::win32 {

// The system's accessibility library and the COM calls that go with it,
// loaded at the first request of assistive technology: a program nobody
// reads out never loads them, and its start-up does not wait for them.
struct AccessibilityLibrary {
    HRESULT(WINAPI* createStdAccessibleObject)(HWND, LONG, REFIID, void**) = nullptr;
    HRESULT(WINAPI* accessibleObjectFromWindow)(HWND, DWORD, REFIID, void**) = nullptr;
    LRESULT(WINAPI* lresultFromObject)(REFIID, WPARAM, LPUNKNOWN) = nullptr;
    BSTR(WINAPI* sysAllocString)(const OLECHAR*) = nullptr;
};

// Null when the system lacks any of it. COM is initialised on the calling
// thread (the window's) by then, as the hand-over of objects needs.
const AccessibilityLibrary* Accessibility();

} // namespace pw::win32
