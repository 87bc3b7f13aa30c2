#include "clipboard/ClipboardViewerChain.h"

namespace pw {

void ClipboardViewerChain::Join() {
    if (joined_)
        return;
    joined_ = true;
    joining_ = true;
    successor_ = desktop_.JoinClipboardViewerChain();
    joining_ = false;
}

void ClipboardViewerChain::Leave() {
    if (!joined_)
        return;
    joined_ = false;
    desktop_.LeaveClipboardViewerChain(successor_);
    if (successor_ != 0)
        desktop_.SendChangeClipboardChain(successor_, desktop_.MainWindowRef(), successor_);
}

void ClipboardViewerChain::PassOnDrawClipboard() {
    if (successor_ != 0)
        desktop_.SendDrawClipboard(successor_);
}

void ClipboardViewerChain::ChainChanged(WindowRef leaving, WindowRef following) {
    if (leaving == successor_)
        successor_ = following;
    else if (successor_ != 0)
        desktop_.SendChangeClipboardChain(successor_, leaving, following);
}

} // namespace pw
