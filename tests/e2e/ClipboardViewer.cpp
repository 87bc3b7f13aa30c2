#include "ClipboardViewer.h"

#include <cstring>
#include <stdexcept>

namespace e2e {

namespace {

constexpr const char* kClassName = "e2e clipboard viewer";
// Posted by the destructor: leave the chain and end the thread.
constexpr UINT kLeave = WM_APP + 1;

bool registerClassOnce(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExA(&windowClass) != 0;
    }();
    return registered;
}

// The clipboard's CF_TEXT, read as a viewer does while handling a notification. The program
// that changed the clipboard, or another viewer, may hold it open for a moment.
std::optional<std::string> readText(HWND viewer) {
    if (!waitUntil([&] { return OpenClipboard(viewer) != 0; })) {
        return std::nullopt;
    }
    std::optional<std::string> text;
    if (const HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
            text.emplace(bytes, strnlen(bytes, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

} // namespace

ClipboardViewer::ClipboardViewer() {
    thread_ = std::thread([this] { run(); });
    // Making a window and joining take milliseconds; the thread ends at once when they fail.
    waitUntil(
        [&] {
            const std::lock_guard lock(mutex_);
            return started_;
        },
        kStartTimeout);
    if (window() == nullptr) {
        thread_.join();
        throw std::runtime_error("the test's clipboard viewer could not join the chain");
    }
}

ClipboardViewer::~ClipboardViewer() {
    PostMessageA(window(), kLeave, 0, 0);
    thread_.join();
}

void ClipboardViewer::run() {
    HWND window = nullptr;
    if (registerClassOnce(&ClipboardViewer::windowProc)) {
        window = CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), this);
    }
    if (window != nullptr) {
        // Joining sends the first WM_DRAWCLIPBOARD at once, which is not passed on: it is the
        // new viewer's alone, and the successor is not known before this returns.
        const HWND successor = SetClipboardViewer(window);
        const std::lock_guard lock(mutex_);
        window_ = window;
        successor_ = successor;
    }
    {
        const std::lock_guard lock(mutex_);
        started_ = true;
    }
    if (window == nullptr) {
        return;
    }
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

LRESULT CALLBACK ClipboardViewer::windowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ClipboardViewer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return self->handle(window, message, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT ClipboardViewer::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWCLIPBOARD: {
        // Passed on first, as every viewer must, and without holding the lock: the windows
        // after this one handle it before SendMessage returns.
        if (const HWND next = successor()) {
            SendMessageA(next, message, wParam, lParam);
        }
        auto text = readText(window);
        const std::lock_guard lock(mutex_);
        texts_.push_back(std::move(text));
        return 0;
    }
    case WM_CHANGECBCHAIN: {
        const auto leaving = reinterpret_cast<HWND>(wParam);
        const auto following = reinterpret_cast<HWND>(lParam);
        HWND next = nullptr;
        {
            const std::lock_guard lock(mutex_);
            chainChanges_.push_back({leaving, following});
            if (leaving == successor_) {
                successor_ = following;
            } else {
                next = successor_;
            }
        }
        if (next != nullptr) {
            SendMessageA(next, message, wParam, lParam);
        }
        return 0;
    }
    case kLeave:
        ChangeClipboardChain(window, successor());
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND ClipboardViewer::window() const {
    const std::lock_guard lock(mutex_);
    return window_;
}

HWND ClipboardViewer::successor() const {
    const std::lock_guard lock(mutex_);
    return successor_;
}

int ClipboardViewer::notifications() const {
    const std::lock_guard lock(mutex_);
    return static_cast<int>(texts_.size());
}

std::vector<std::optional<std::string>> ClipboardViewer::textsSeen() const {
    const std::lock_guard lock(mutex_);
    return texts_;
}

std::vector<ClipboardViewer::ChainChange> ClipboardViewer::chainChanges() const {
    const std::lock_guard lock(mutex_);
    return chainChanges_;
}

bool ClipboardViewer::waitForText(const std::string& text, int after, milliseconds timeout) const {
    return waitUntil(
        [&] {
            const std::lock_guard lock(mutex_);
            for (std::size_t i = static_cast<std::size_t>(after); i < texts_.size(); ++i) {
                if (texts_[i] == text) {
                    return true;
                }
            }
            return false;
        },
        timeout);
}

bool ClipboardViewer::waitForChainChange(const ChainChange& change, milliseconds timeout) const {
    return waitUntil(
        [&] {
            const std::lock_guard lock(mutex_);
            for (const ChainChange& seen : chainChanges_) {
                if (seen == change) {
                    return true;
                }
            }
            return false;
        },
        timeout);
}

} // namespace e2e
