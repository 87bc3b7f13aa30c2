#include "hotkeys/PasteDispatch.h"

#include "hotkeys/HotkeyRegistry.h"
#include "hotkeys/HotkeyRows.h"
#include "hotkeys/PasteQueue.h"

namespace pw {

void DispatchHotkey(std::int32_t id, std::uint16_t key, const HotkeyRegistry& hotkeys,
                    const HotkeyRows& rows, PasteQueue& pastes) {
    const THotkeyInfo* record = hotkeys.Records().FindById(id);
    if (record == nullptr)
        return;
    const std::int32_t row = record->Index;
    if (row <= 0 || row > rows.RowCount())
        return;
    pastes.Press(id, key, rows.Content(row - 1));
}

} // namespace pw
