#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace pw::win32 {

// The record a tooltip window knows a tool by: the tool `id` of `owner`, with
// its hint when it is being added.
inline TOOLINFOA ToolInfo(HWND owner, UINT_PTR id, const std::string* hint = nullptr) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = owner;
    tool.uId = id;
    if (hint != nullptr)
        tool.lpszText = const_cast<char*>(hint->c_str());
    return tool;
}

} // namespace pw::win32
