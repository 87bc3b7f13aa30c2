#pragma once

#include "hotkeys/HotkeyText.h"
#include "hotkeys/HotkeyInfo.h"

#include <cstdint>
#include <map>
#include <span>
#include <string>

namespace pw {

class Desktop;

// The main window's hotkeys: every registration with the system goes through
// here, so the records and the next id always mirror what is registered.
class HotkeyRegistry {
public:
    static constexpr std::int32_t kFirstId = 1000;

    explicit HotkeyRegistry(Desktop& desktop) : desktop_(desktop) {}
    HotkeyRegistry(const HotkeyRegistry&) = delete;
    HotkeyRegistry& operator=(const HotkeyRegistry&) = delete;

    // Registers under the next id. On success records it for the row (1-based)
    // and advances the id; a refusal uses up nothing.
    bool Register(HotkeyCodes codes, std::int32_t rowIndex, const std::string& text);

    // Unregisters; the record stays, the caller decides about it.
    bool Release(std::int32_t hotkeyId);
    // Releases and disposes of the record whatever the system answers.
    void ReleaseAndDispose(std::int32_t hotkeyId);
    // Disposes of the record only when the system released the hotkey.
    bool ReleaseAndDisposeIfReleased(std::int32_t hotkeyId);

    // Forgets a record whose hotkey the caller has already released.
    void DisposeRecord(std::int32_t hotkeyId);

    // From the last record to the first; records whose release fails stay.
    void ReleaseAll();
    // The same walk, for the records of rows 1 to lastRow only.
    void ReleaseRowsUpTo(std::int32_t lastRow);
    // At destruction: every record, first to last, results ignored.
    void ReleaseEverything();

    const HotkeyRecordList& Records() const { return records_; }
    std::int32_t NextId() const { return nextId_; }
    // The modifiers and key a record was registered with: its text alone may
    // not tell them (the number pad's digits read back as the main row's).
    HotkeyCodes CodesOf(std::int32_t hotkeyId) const;

private:
    void Forget(std::int32_t hotkeyId);

    Desktop& desktop_;
    HotkeyRecordList records_;
    std::map<std::int32_t, HotkeyCodes> codes_;
    std::int32_t nextId_ = kFirstId;
};

// The overlap rule: exact, case-sensitive equality with any of the texts.
bool HotkeyOverlaps(const std::string& text, std::span<const std::string> others);

// "Hotkey setting failed, ..." in an error box.
void ReportHotkeySettingFailed(Desktop& desktop);

} // namespace pw
