#include "platform/win32/FormTooltips.h"

#include "platform/win32/ToolInfo.h"
#include "platform/win32/WideText.h"

#include <commctrl.h>

#include <utility>

namespace pw::win32 {

void FormTooltips::Want() {
    // Well within the delay before a hint shows.
    constexpr UINT kWaitMs = 100;
    if (timing_.PointerCame() && SetTimer(owner_, kTimer, kWaitMs, nullptr) == 0)
        timing_.WaitRefused();
}

bool FormTooltips::Timer(WPARAM id) {
    if (id != kTimer)
        return false;
    Create();
    return true;
}

void FormTooltips::Create() {
    KillTimer(owner_, kTimer);
    if (!timing_.WaitEnded())
        return;
    // Not owned by the window: it is topmost, and Wine puts a window that
    // owns a topmost window into the topmost band only behind another
    // topmost window, of which there may be none (the notification area's
    // hint goes with its last icon). Always on Top would then do nothing.
    tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr));
    HWND tooltip = tooltip_.get();
    if (tooltip == nullptr)
        return;
    for (const NativeChild& child : children_.All()) {
        const std::string& hint = child.placement.control->Hint();
        if (hint.empty())
            continue;
        std::wstring text = Wide(hint);
        TOOLINFOW tool = ToolInfo(owner_, reinterpret_cast<UINT_PTR>(child.hwnd), &text);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    children_.Drawn().AddTools(tooltip);
    // A pointer that rests where it came in gets its hint all the same.
    POINT at{};
    HWND under = GetCursorPos(&at) != FALSE ? WindowFromPoint(at) : nullptr;
    if (under == owner_ || (under != nullptr && IsChild(owner_, under))) {
        POINT client = at;
        ScreenToClient(under, &client);
        MSG move{under,
                 WM_MOUSEMOVE,
                 0,
                 MAKELPARAM(client.x, client.y),
                 static_cast<DWORD>(GetMessageTime()),
                 at};
        SendMessageW(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
    }
}

} // namespace pw::win32
