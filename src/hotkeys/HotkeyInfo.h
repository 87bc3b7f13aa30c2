#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pw {

// One hotkey currently registered with the system: pressing it pastes the
// content of row Index (1-based), whatever text stands there at that moment.
struct THotkeyInfo {
    std::int32_t Index = 0;
    std::int32_t HotkeyId = 0;
    std::string Hotkey;
    friend bool operator==(const THotkeyInfo&, const THotkeyInfo&) = default;
};

// The main window's records, in registration order.
class HotkeyRecordList {
public:
    void Append(THotkeyInfo record) { records_.push_back(std::move(record)); }

    // A hotkey press: searched from the first record.
    const THotkeyInfo* FindById(std::int32_t id) const;
    // Row and text lookups take the most recent record first.
    const THotkeyInfo* FindLastByIndex(std::int32_t index) const;
    const THotkeyInfo* FindLastByHotkey(const std::string& hotkey) const;

    // Disposes of the record with this registration id; false when none has it.
    bool RemoveById(std::int32_t id);

    std::size_t Count() const { return records_.size(); }
    bool Empty() const { return records_.empty(); }
    const std::vector<THotkeyInfo>& Records() const { return records_; }

private:
    std::vector<THotkeyInfo> records_;
};

} // namespace pw
