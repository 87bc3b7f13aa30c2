#pragma once

#include "platform/Desktop.h"

#include <windows.h>

#include <optional>
#include <string>
#include <utility>

namespace pw::win32 {

// The clipboard as the main window uses it: its text in and out, what the
// current content says about itself, and the main window's place in the
// viewer chain.
class Win32Clipboard {
public:
    // Text offered only in the code page is read through `codePage`.
    explicit Win32Clipboard(CodePage& codePage);
    Win32Clipboard(const Win32Clipboard&) = delete;
    Win32Clipboard& operator=(const Win32Clipboard&) = delete;

    // The main window opens the clipboard and is the viewer in the chain.
    void SetMainWindow(HWND hwnd) { main_ = hwnd; }

    bool SetText(const std::string& text);
    std::optional<std::string> Text();
    bool HasText() const;
    bool IsPrivate() const;
    bool HoldsOwnText() const;

    WindowRef JoinViewerChain();
    void LeaveViewerChain(WindowRef successor);
    void SendDrawClipboard(WindowRef to) const;
    void SendChangeChain(WindowRef to, WindowRef leaving, WindowRef following) const;

    // The main window handles each clipboard change through here, so that the
    // notice it passes down the chain carries the parameters it came with.
    template <typename Handler> void HandleDrawNotice(WPARAM wp, LPARAM lp, Handler&& handle) {
        struct Restore {
            std::pair<WPARAM, LPARAM>& notice;
            std::pair<WPARAM, LPARAM> outer;
            ~Restore() { notice = outer; }
        } const restore{drawNotice_, std::exchange(drawNotice_, {wp, lp})}; // changes nest
        handle();
    }

private:
    CodePage& codePage_;
    HWND main_ = nullptr;
    // The clipboard change the main window is handling, as it came.
    std::pair<WPARAM, LPARAM> drawNotice_{};
};

} // namespace pw::win32
