#pragma once

#include "platform/Desktop.h"

#include <windows.h>

#include <optional>
#include <string>
#include <utility>

namespace pw::win32 {

// What a kClipboardNotice says about the offered text.
enum class ClipboardNotice : LPARAM { ReadByTarget, ReadByOther, Replaced };

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

    // Offers the text, handed over when first asked for.
    bool Offer(const std::string& text);
    std::optional<std::string> Text();
    bool HasText() const;
    bool IsPrivate() const;
    bool HoldsOwnText() const;

    // The system's three messages to the clipboard's owner. A read of the
    // offer or its replacement posts a kClipboardNotice to the main window.
    void RenderFormat(UINT format);
    void RenderAllFormats();
    void ClipboardDestroyed();
    // Whether a notice's offer is still the last one: a notice that was
    // waiting while the next paste went ahead says nothing about it.
    bool IsCurrentOffer(WPARAM offer) const { return offer == offerCount_; }

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
    // Hands the offer's text to the clipboard, which is open.
    void PutOffer();
    void Notify(ClipboardNotice notice) const;

    CodePage& codePage_;
    HWND main_ = nullptr;
    // The last offer's text, until somebody reads it or it leaves the
    // clipboard; and how many offers there were.
    std::optional<std::wstring> offer_;
    WPARAM offerCount_ = 0;
    bool emptying_ = false; // the clipboard is being emptied for an offer
    // The clipboard change the main window is handling, as it came.
    std::pair<WPARAM, LPARAM> drawNotice_{};
};

} // namespace pw::win32
