#include "hotkeys/HotkeyRegistry.h"

#include "hotkeys/HotkeyMessages.h"
#include "platform/Desktop.h"
#include "platform/Product.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace pw {

bool HotkeyRegistry::Register(HotkeyCodes codes, std::int32_t rowIndex, const std::string& text) {
    if (!desktop_.RegisterHotkey(nextId_, codes.modifiers, codes.vk))
        return false;
    records_.Append({rowIndex, nextId_, text});
    codes_[nextId_] = codes;
    ++nextId_;
    return true;
}

void HotkeyRegistry::Forget(std::int32_t hotkeyId) {
    records_.RemoveById(hotkeyId);
    codes_.erase(hotkeyId);
}

void HotkeyRegistry::DisposeRecord(std::int32_t hotkeyId) {
    Forget(hotkeyId);
}

HotkeyCodes HotkeyRegistry::CodesOf(std::int32_t hotkeyId) const {
    const auto it = codes_.find(hotkeyId);
    return it == codes_.end() ? HotkeyCodes{} : it->second;
}

bool HotkeyRegistry::Release(std::int32_t hotkeyId) {
    return desktop_.UnregisterHotkey(hotkeyId);
}

void HotkeyRegistry::ReleaseAndDispose(std::int32_t hotkeyId) {
    desktop_.UnregisterHotkey(hotkeyId);
    Forget(hotkeyId);
}

bool HotkeyRegistry::ReleaseAndDisposeIfReleased(std::int32_t hotkeyId) {
    if (!desktop_.UnregisterHotkey(hotkeyId))
        return false;
    Forget(hotkeyId);
    return true;
}

void HotkeyRegistry::ReleaseAll() {
    ReleaseRowsUpTo(std::numeric_limits<std::int32_t>::max());
}

void HotkeyRegistry::ReleaseRowsUpTo(std::int32_t lastRow) {
    // Ids are unique, so collecting them first keeps the walk simple while
    // records disappear behind it.
    std::vector<std::int32_t> ids;
    for (const THotkeyInfo& r : records_.Records())
        if (r.Index <= lastRow)
            ids.push_back(r.HotkeyId);
    std::reverse(ids.begin(), ids.end());
    for (std::int32_t id : ids)
        ReleaseAndDisposeIfReleased(id);
}

void HotkeyRegistry::ReleaseEverything() {
    for (const THotkeyInfo& r : records_.Records())
        desktop_.UnregisterHotkey(r.HotkeyId);
    records_ = HotkeyRecordList{};
    codes_.clear();
}

bool HotkeyOverlaps(const std::string& text, std::span<const std::string> others) {
    return std::find(others.begin(), others.end(), text) != others.end();
}

void ReportHotkeySettingFailed(Desktop& desktop) {
    desktop.ShowMessage(kHotkeySettingFailed, kMessageCaption, MessageIcon::Error,
                        MessageButtons::Ok);
}

} // namespace pw
