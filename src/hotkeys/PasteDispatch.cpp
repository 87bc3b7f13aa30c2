#include "hotkeys/PasteDispatch.h"

#include "hotkeys/HotkeyRegistry.h"
#include "hotkeys/HotkeyRows.h"
#include "platform/Desktop.h"

#include <array>

namespace pw {

namespace {

constexpr std::uint16_t kVkControl = 0x11;
constexpr std::uint16_t kVkV = 0x56;

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

unsigned PasteText(Desktop& desktop, const std::string& text) {
    if (!desktop.HasForegroundWindow())
        return 0;
    if (!desktop.SetClipboardText(text))
        return 0;
    static constexpr std::array<KeyStroke, 4> kCtrlV{{
        {kVkControl, false},
        {kVkV, false},
        {kVkV, true},
        {kVkControl, true},
    }};
    return desktop.SendKeys(kCtrlV);
}

void DispatchHotkey(std::int32_t id, const HotkeyRegistry& hotkeys, const HotkeyRows& rows,
                    Desktop& desktop, bool& autoAdd) {
    const THotkeyInfo* record = hotkeys.Records().FindById(id);
    if (record == nullptr)
        return;
    const std::int32_t row = record->Index;
    if (row <= 0 || row > rows.RowCount())
        return;
    SwitchedOff pause(autoAdd);
    // A copy: the paste may let other messages in that change the rows.
    const std::string text =
        rows.Content(row - 1); // NOLINT(performance-unnecessary-copy-initialization)
    PasteText(desktop, text);
}

} // namespace pw
