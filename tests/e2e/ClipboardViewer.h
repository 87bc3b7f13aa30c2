#pragma once

#include <windows.h>

#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "Poll.h"

namespace e2e {

// A clipboard viewer of the driver's own, as another program on the desktop runs one: a hidden
// window on a thread of its own that joins the viewer chain, passes every notification on to
// the window after it, keeps track of that window as viewers leave, and records what it got.
// It joins in the constructor (throws if it cannot) and leaves the chain on destruction.
class ClipboardViewer {
public:
    // A WM_CHANGECBCHAIN that reached the viewer: `leaving` leaves, `following` takes its place.
    struct ChainChange {
        HWND leaving;
        HWND following;
        bool operator==(const ChainChange&) const = default;
    };

    ClipboardViewer();
    ClipboardViewer(const ClipboardViewer&) = delete;
    ClipboardViewer& operator=(const ClipboardViewer&) = delete;
    ~ClipboardViewer();

    HWND window() const;
    // The window it passes notifications on to, null at the end of the chain.
    HWND successor() const;
    // How many WM_DRAWCLIPBOARD it has got, counting the one of its own joining.
    int notifications() const;
    // The clipboard's text as it read it on each notification, after passing it on; empty when
    // the clipboard held no text.
    std::vector<std::optional<std::string>> textsSeen() const;
    std::vector<ChainChange> chainChanges() const;

    // Waits for a notification after the first `after` ones on which the clipboard held `text`.
    bool waitForText(const std::string& text, int after = 0,
                     milliseconds timeout = kDefaultTimeout) const;
    bool waitForChainChange(const ChainChange& change,
                            milliseconds timeout = kDefaultTimeout) const;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void run();

    mutable std::mutex mutex_;
    HWND window_ = nullptr;
    HWND successor_ = nullptr;
    // Set once the thread has joined the chain, or failed to.
    bool started_ = false;
    std::vector<std::optional<std::string>> texts_;
    std::vector<ChainChange> chainChanges_;
    std::thread thread_;
};

} // namespace e2e
