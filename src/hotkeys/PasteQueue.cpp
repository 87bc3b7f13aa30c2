#include "hotkeys/PasteQueue.h"

#include "hotkeys/PasteKeystrokes.h"

#include <utility>

namespace pw {

namespace {

// Restores a setting however the scope is left.
class SwitchedOff {
public:
    explicit SwitchedOff(bool& flag) : flag_(flag), saved_(flag) { flag_ = false; }
    ~SwitchedOff() { flag_ = saved_; }
    SwitchedOff(const SwitchedOff&) = delete;
    SwitchedOff& operator=(const SwitchedOff&) = delete;

private:
    bool& flag_;
    bool saved_;
};

} // namespace

PasteQueue::PasteQueue(Desktop& desktop, bool& autoAdd) : desktop_(desktop), autoAdd_(autoAdd) {}

void PasteQueue::Press(std::int32_t hotkeyId, std::uint16_t key, std::string text) {
    const bool held = waiting_ && key != 0 && desktop_.KeyIsDown(key);
    if (held && !backlog_.empty() && backlog_.back().hotkeyId == hotkeyId && backlog_.back().held)
        return;
    backlog_.push_back({hotkeyId, held, std::move(text)});
    if (!waiting_)
        PasteNext();
}

void PasteQueue::TextRead(ClipboardReader reader) {
    // Once another program has read the text, the target's read comes
    // unannounced: only the bound ends that wait.
    if (reader == ClipboardReader::Target)
        EndWait();
}

void PasteQueue::TextReplaced() {
    EndWait();
}

void PasteQueue::TimerElapsed(unsigned id) {
    if (id == kPasteWaitTimer)
        EndWait();
}

void PasteQueue::Clear() {
    backlog_.clear();
    if (std::exchange(waiting_, false))
        desktop_.StopTimer(kPasteWaitTimer);
}

void PasteQueue::EndWait() {
    if (!std::exchange(waiting_, false))
        return;
    desktop_.StopTimer(kPasteWaitTimer);
    PasteNext();
}

void PasteQueue::PasteNext() {
    // A paste that sent no keys has nothing to wait for: the next one goes on.
    while (!waiting_ && !backlog_.empty()) {
        Pending next = std::move(backlog_.front());
        backlog_.pop_front();
        waiting_ = Paste(std::move(next.text));
    }
    if (waiting_)
        desktop_.StartTimer(kPasteWaitTimer, kPasteReadBoundMs);
}

bool PasteQueue::Paste(std::string text) {
    // Without a foreground window, or with a clipboard that would not take
    // the text, no keys go out: a paste then would drop whatever the
    // clipboard held before into the user's document.
    if (!desktop_.HasForegroundWindow())
        return false;
    const SwitchedOff pause(autoAdd_);
    // Known before the offer: the clipboard tells its viewers, us among
    // them, before the offer returns.
    offered_ = std::move(text);
    if (!desktop_.OfferClipboardText(offered_))
        return false;
    const std::vector<std::uint16_t> held = desktop_.ModifierKeysDown();
    return desktop_.SendKeys(PasteKeystrokes(held)) != 0;
}

} // namespace pw
