#include "WindowQuery.h"

#include "Utf8.h"

namespace e2e {

namespace {

constexpr UINT kAnswerTimeoutMs = 5000;
constexpr int kMessageBoxTextId = 0xFFFF;

struct TopLevelSearch {
    DWORD processId;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK collectTopLevel(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<TopLevelSearch*>(param);
    if (processOf(window) == search.processId &&
        (search.className == nullptr || windowClass(window) == search.className)) {
        search.found.push_back(window);
    }
    return TRUE;
}

struct DescendantSearch {
    int controlId;
    HWND found;
};

BOOL CALLBACK matchControlId(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<DescendantSearch*>(param);
    if (GetDlgCtrlID(window) == search.controlId) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::optional<LRESULT> sendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                            &result) == 0) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

std::string windowText(HWND window) {
    const auto length = sendTo(window, WM_GETTEXTLENGTH);
    if (!length || *length <= 0) {
        return {};
    }
    std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
    const auto copied =
        sendTo(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied ? static_cast<size_t>(*copied) : 0);
    return toUtf8(text);
}

bool setWindowText(HWND window, const std::string& text) {
    const std::wstring wide = toWide(text);
    const auto result = sendTo(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    return result && *result != 0;
}

std::string windowClass(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return toUtf8(std::wstring_view(name, static_cast<size_t>(length > 0 ? length : 0)));
}

DWORD processOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::vector<HWND> topLevelWindows(DWORD processId, const char* className) {
    TopLevelSearch search{processId, className, {}};
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findTopLevel(DWORD processId, const char* className, const char* caption) {
    for (HWND window : topLevelWindows(processId, className)) {
        if (caption == nullptr || windowText(window) == caption) {
            return window;
        }
    }
    return nullptr;
}

HWND findDescendant(HWND ancestor, int controlId) {
    DescendantSearch search{controlId, nullptr};
    EnumChildWindows(ancestor, matchControlId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findVisibleTopLevel(DWORD processId, const char* className) {
    for (HWND window : topLevelWindows(processId, className)) {
        if (IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

HWND waitForWindowWithChild(DWORD processId, const char* className, int lastChildId,
                            milliseconds timeout) {
    HWND window = nullptr;
    const bool ready = waitUntil(
        [&] {
            window = findVisibleTopLevel(processId, className);
            return window != nullptr && findDescendant(window, lastChildId) != nullptr;
        },
        timeout);
    return ready ? window : nullptr;
}

HWND findMessageBox(DWORD processId, const std::string& caption) {
    for (HWND box : topLevelWindows(processId, "#32770")) {
        if (IsWindowVisible(box) && windowText(box) == caption) {
            return box;
        }
    }
    return nullptr;
}

std::string messageBoxText(HWND box) {
    const HWND text = GetDlgItem(box, kMessageBoxTextId);
    return text != nullptr ? windowText(text) : std::string{};
}

bool answerMessageBox(HWND box, int buttonId, milliseconds timeout) {
    if (!PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0)) {
        return false;
    }
    return waitUntil([&] { return !IsWindow(box); }, timeout);
}

HWND focusOfThread(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

bool bringToFront(HWND window, milliseconds timeout) {
    SetForegroundWindow(window);
    return waitUntil([&] { return GetForegroundWindow() == window; }, timeout);
}

bool clickButton(HWND button) {
    return button != nullptr && IsWindowEnabled(button) &&
           PostMessageA(button, BM_CLICK, 0, 0) != 0;
}

} // namespace e2e
