#include "platform/win32/AccessibilityLibrary.h"

#include <optional>

namespace pw::win32 {

namespace {

template <typename Function> bool Find(HMODULE module, const char* name, Function& function) {
    FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(found));
    return function != nullptr;
}

std::optional<AccessibilityLibrary> Load() {
    // Kept loaded until the process ends: the objects handed out run its code
    // for as long as a reader holds them.
    HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
    HMODULE oleaut = LoadLibraryW(L"oleaut32.dll");
    HMODULE ole = LoadLibraryW(L"ole32.dll");
    AccessibilityLibrary library;
    HRESULT(WINAPI * initialize)(void*, DWORD) = nullptr;
    if (!Find(oleacc, "CreateStdAccessibleObject", library.createStdAccessibleObject) ||
        !Find(oleacc, "AccessibleObjectFromWindow", library.accessibleObjectFromWindow) ||
        !Find(oleacc, "LresultFromObject", library.lresultFromObject) ||
        !Find(oleaut, "SysAllocString", library.sysAllocString) ||
        !Find(ole, "CoInitializeEx", initialize))
        return std::nullopt;
    // Already done (S_FALSE) when the program initialised COM itself; on
    // this thread, which lives as long as the program, it is never undone.
    const HRESULT com = initialize(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(com) && com != RPC_E_CHANGED_MODE)
        return std::nullopt;
    return library;
}

} // namespace

const AccessibilityLibrary* Accessibility() {
    static const std::optional<AccessibilityLibrary> library = Load();
    return library ? &*library : nullptr;
}

} // namespace pw::win32
