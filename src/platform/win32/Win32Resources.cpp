#include "platform/win32/Win32Resources.h"

#include <windows.h>

#include <algorithm>

namespace pw::win32 {

std::string Win32Resources::Text(int id) const {
    char text[256] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), text,
                                   static_cast<int>(sizeof(text)));
    return std::string(text, static_cast<std::size_t>(std::max(length, 0)));
}

std::string_view Win32Resources::Data(int id) const {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_RCDATA);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        return {};
    return {static_cast<const char*>(bytes),
            static_cast<std::size_t>(SizeofResource(module, found))};
}

} // namespace pw::win32
