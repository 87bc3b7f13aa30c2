#include "hotkeys/TfrmSetHotkey.h"

#include "hotkeys/HotkeyMessages.h"
#include "hotkeys/HotkeyRegistry.h"
#include "hotkeys/HotkeyRows.h"
#include "hotkeys/HotkeyText.h"
#include "hotkeys/SetHotkeyIds.h"
#include "platform/Desktop.h"
#include "platform/Product.h"

#include <optional>
#include <vector>

namespace pw {

TfrmSetHotkey::TfrmSetHotkey(HotkeyRows& rows, HotkeyRegistry& hotkeys, Desktop& desktop,
                             OptionsHotkeys& optionsHotkeys)
    : rows_(rows), hotkeys_(hotkeys), desktop_(desktop), optionsHotkeys_(optionsHotkeys) {
    SetWindowClass("TfrmSetHotkey");
    SetCaption("Edit");
    SetDesignSize(384, 196, true);
    SetDesignPosition(430, 294);
    // Creation order is the tab order: content, hotkey, OK, Cancel, Unregister.
    Place(GroupBox1, nullptr, IDC_SETHOTKEY_GROUP, {16, 16, 353, 121}, "Edit the item");
    Place(Label1, &GroupBox1, IDC_SETHOTKEY_LABEL_CONTENT, {16, 32, 48, 13}, "Content:");
    Place(eClipStr, &GroupBox1, IDC_SETHOTKEY_CLIPSTR, {65, 27, 262, 21});
    Place(Label2, &GroupBox1, IDC_SETHOTKEY_LABEL_HOTKEY, {16, 80, 48, 13}, "Hotkey:");
    Place(eHotkey, &GroupBox1, IDC_SETHOTKEY_HOTKEY, {66, 76, 261, 21});
    Place(bOK, nullptr, IDC_SETHOTKEY_OK, {186, 153, 80, 27}, "OK");
    Place(bCancel, nullptr, IDC_SETHOTKEY_CANCEL, {280, 153, 80, 27}, "Cancel");
    Place(bUnregisterHotkey, nullptr, IDC_SETHOTKEY_UNREGISTER, {26, 153, 97, 27},
          "Unregister Hotkey");

    SetSkin(ui::VisualStyle::WinXP);
    bCancel.SetModalResult(ui::ModalResult::Cancel);

    OnShow = [this] { FormShow(); };
    OnCloseRequest = [this] { FormClose(); };
    bOK.OnClick = [this] { bOKClick(); };
    bCancel.OnClick = [this] { bCancelClick(); };
    bUnregisterHotkey.OnClick = [this] { bUnregisterHotkeyClick(); };
}

void TfrmSetHotkey::FormShow() {
    if (InitialHotkey.empty())
        bUnregisterHotkey.SetEnabled(false);
}

void TfrmSetHotkey::FormClose() {
    if (GetModalResult() == ui::ModalResult::None)
        SetModalResult(ui::ModalResult::Cancel);
}

void TfrmSetHotkey::Inform(const char* text) const {
    desktop_.ShowMessage(text, kMessageCaption, MessageIcon::Information, MessageButtons::Ok);
}

void TfrmSetHotkey::bOKClick() {
    const std::string text = eHotkey.Text();
    if (text != InitialHotkey) {
        if (HotkeyOverlaps(text, HotkeyCells(rows_))) {
            Inform(kHotkeyOverlaps);
            return;
        }
        // An empty field means a key no hotkey text can show: registered, it
        // would be a hotkey nobody sees and nothing can release.
        if (text.empty()) {
            ReportHotkeySettingFailed(desktop_);
            return;
        }
        if (!RegisterCaptured(text))
            return;
    }
    rows_.SetContent(EditedRow, eClipStr.Text());
    SetModalResult(ui::ModalResult::Ok);
}

bool TfrmSetHotkey::RegisterCaptured(const std::string& text) {
    std::optional<HotkeyCodes> released;
    if (!InitialHotkey.empty()) {
        if (const THotkeyInfo* old = hotkeys_.Records().FindLastByHotkey(InitialHotkey)) {
            const HotkeyCodes codes = hotkeys_.CodesOf(old->HotkeyId);
            if (hotkeys_.ReleaseAndDisposeIfReleased(old->HotkeyId))
                released = codes;
        }
    }

    const HotkeyCodes captured{eHotkey.CapturedModifiers(), eHotkey.CapturedKey()};
    if (!hotkeys_.Register(captured, EditedRow + 1, text)) {
        // The old hotkey is gone from the system by now; a row must never show
        // a hotkey that does nothing, so take it back or clear the cell.
        if (released)
            RestoreReleasedHotkey(*released);
        ReportHotkeySettingFailed(desktop_);
        return false;
    }
    rows_.SetHotkey(EditedRow, text);
    if (EditedRow >= 0 && EditedRow < static_cast<std::int32_t>(optionsHotkeys_.size()))
        optionsHotkeys_[static_cast<std::size_t>(EditedRow)] = text;
    return true;
}

void TfrmSetHotkey::RestoreReleasedHotkey(HotkeyCodes codes) {
    if (!hotkeys_.Register(codes, EditedRow + 1, InitialHotkey))
        rows_.SetHotkey(EditedRow, "");
}

void TfrmSetHotkey::bCancelClick() {
    SetModalResult(ui::ModalResult::Cancel);
}

void TfrmSetHotkey::bUnregisterHotkeyClick() {
    if (eHotkey.Text() != InitialHotkey) {
        Inform(kHotkeyNotAsSet);
        return;
    }
    // Newest first; after the first release the field is empty, so only a
    // record registered under the empty text could match again.
    std::vector<std::int32_t> ids;
    for (const THotkeyInfo& r : hotkeys_.Records().Records())
        ids.push_back(r.HotkeyId);
    for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
        const THotkeyInfo* record = hotkeys_.Records().FindById(*it);
        if (record == nullptr || record->Hotkey != eHotkey.Text())
            continue;
        if (!hotkeys_.Release(*it))
            continue;
        Inform(kHotkeyUnregistered);
        hotkeys_.DisposeRecord(*it);
        rows_.SetHotkey(EditedRow, "");
        eHotkey.SetText("");
        InitialHotkey.clear();
    }
}

} // namespace pw
