#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace pw::win32 {

// The record a tooltip window knows a tool by: the tool `id` of `owner`, with
// its hint when it is being added (the tooltip keeps a copy).
inline TOOLINFOW ToolInfo(HWND owner, UINT_PTR id, std::wstring* hint = nullptr) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = owner;
    tool.uId = id;
    if (hint != nullptr)
        tool.lpszText = hint->data();
    return tool;
}

} // namespace pw::win32
