#pragma once

#include "platform/Desktop.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

namespace pw {

// Who read the text a paste offered, as the system's request for the data
// tells it.
enum class ClipboardReader {
    // The program the keys went to, or a reader the system does not name.
    Target,
    // Another program: a clipboard manager that reads every change at once.
    Other,
};

// How long a paste that its target has not been seen to read holds up the
// next one, counted from the delivery of its keys. The targets we can try
// read within 16 ms of the keys, and within 35 ms with every core busy; this
// leaves a slower one several times that. A target that never reads, or one
// whose read went unseen because another program read first, costs this
// much per paste.
inline constexpr unsigned kPasteReadBoundMs = 300;
// The timer that ends that wait.
inline constexpr unsigned kPasteWaitTimer = kFirstProgramTimer;

// Hotkey pastes, one at a time and in the order of their presses. A paste
// offers its text on the clipboard and types Ctrl+V; the target reads the
// clipboard later, when it handles the keys, and a paste before that would
// have it read the later text. So a press that comes while a paste waits for
// its reader waits its turn, until the target's read, until another program
// replaces the clipboard, or until the bound has passed.
class PasteQueue {
public:
    // Auto-add is off around each of the queue's clipboard writes, whenever
    // they happen.
    PasteQueue(Desktop& desktop, bool& autoAdd);
    PasteQueue(const PasteQueue&) = delete;
    PasteQueue& operator=(const PasteQueue&) = delete;

    // A press of a hotkey, with its own key (0 when not known) and its row's
    // text as it is now. Held down, a hotkey repeats with the keyboard: while
    // a paste waits, the repeats merge into the press of the same hold that
    // is last in the backlog, so a key let go leaves at most one paste to
    // come. Taps, however quick, find the key up and each paste.
    void Press(std::int32_t hotkeyId, std::uint16_t key, std::string text);

    // The notices about the offered text, and the wait's timer.
    void TextRead(ClipboardReader reader);
    void TextReplaced();
    void TimerElapsed(unsigned id);

    // The program is ending: the presses still waiting are dropped.
    void Clear();

    bool Waiting() const { return waiting_; }
    std::size_t Backlog() const { return backlog_.size(); }
    // The text of the last paste, which is what the clipboard holds while it
    // is the program's own.
    const std::string& OfferedText() const { return offered_; }

private:
    struct Pending {
        std::int32_t hotkeyId;
        bool held; // its key was down when it came
        std::string text;
    };

    void EndWait();
    void PasteNext();
    // Offers the text and types Ctrl+V; true when keys went out.
    bool Paste(std::string text);

    Desktop& desktop_;
    bool& autoAdd_;
    std::deque<Pending> backlog_;
    std::string offered_;
    bool waiting_ = false;
};

} // namespace pw
