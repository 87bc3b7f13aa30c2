#include "hotkeys/HotkeyInfo.h"

#include <algorithm>

namespace pw {

const THotkeyInfo* HotkeyRecordList::FindById(std::int32_t id) const {
    auto it = std::find_if(records_.begin(), records_.end(),
                           [id](const THotkeyInfo& r) { return r.HotkeyId == id; });
    return it == records_.end() ? nullptr : &*it;
}

const THotkeyInfo* HotkeyRecordList::FindLastByIndex(std::int32_t index) const {
    auto it = std::find_if(records_.rbegin(), records_.rend(),
                           [index](const THotkeyInfo& r) { return r.Index == index; });
    return it == records_.rend() ? nullptr : &*it;
}

const THotkeyInfo* HotkeyRecordList::FindLastByHotkey(const std::string& hotkey) const {
    auto it = std::find_if(records_.rbegin(), records_.rend(),
                           [&hotkey](const THotkeyInfo& r) { return r.Hotkey == hotkey; });
    return it == records_.rend() ? nullptr : &*it;
}

bool HotkeyRecordList::RemoveById(std::int32_t id) {
    auto it = std::find_if(records_.begin(), records_.end(),
                           [id](const THotkeyInfo& r) { return r.HotkeyId == id; });
    if (it == records_.end())
        return false;
    records_.erase(it);
    return true;
}

} // namespace pw
