#include "platform/win32/Win32Resources.h"

#include "platform/win32/WideText.h"

#include <windows.h>

namespace pw::win32 {

std::string Win32Resources::Text(int id) const {
    // Zero as the size asks for the string's place in the resource itself:
    // any length, and no copy to cut it.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(id),
                                   reinterpret_cast<wchar_t*>(&text), 0);
    if (text == nullptr || length <= 0)
        return {};
    return Narrow(std::wstring_view(text, static_cast<std::size_t>(length)));
}

std::string_view Win32Resources::Data(int id) const {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        return {};
    return {static_cast<const char*>(bytes),
            static_cast<std::size_t>(SizeofResource(module, found))};
}

} // namespace pw::win32
