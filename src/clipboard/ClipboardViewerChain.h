#pragma once

#include "platform/Desktop.h"

namespace pw {

// The main window's place in the system's clipboard viewer chain. Every viewer
// must pass each notification on to the window after it, and keep track of
// that window when viewers join and leave; a viewer that gets this wrong cuts
// every program behind it off from clipboard changes.
class ClipboardViewerChain {
public:
    explicit ClipboardViewerChain(Desktop& desktop) : desktop_(desktop) {}
    ClipboardViewerChain(const ClipboardViewerChain&) = delete;
    ClipboardViewerChain& operator=(const ClipboardViewerChain&) = delete;

    void Join();
    // Leaves the chain and tells the successor; a second call does nothing.
    void Leave();
    bool Joined() const { return joined_; }
    // While the join call runs: the system's first notice then reports the
    // joining, not a copy that is still being written.
    bool Joining() const { return joining_; }
    WindowRef Successor() const { return successor_; }

    // A clipboard change: passed on to the successor, which handles it before
    // this returns.
    void PassOnDrawClipboard();
    // A viewer leaves the chain: when it is our successor, the window after it
    // becomes our successor; otherwise the news goes on down the chain.
    void ChainChanged(WindowRef leaving, WindowRef following);

private:
    Desktop& desktop_;
    WindowRef successor_ = 0;
    bool joined_ = false;
    bool joining_ = false;
};

} // namespace pw
