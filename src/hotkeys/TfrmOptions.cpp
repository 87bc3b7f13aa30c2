#include "hotkeys/TfrmOptions.h"

#include "hotkeys/HotkeyMessages.h"
#include "hotkeys/HotkeyRegistry.h"
#include "hotkeys/HotkeyRows.h"
#include "hotkeys/HotkeyText.h"
#include "hotkeys/OptionsIds.h"
#include "platform/Desktop.h"
#include "platform/Product.h"

#include <algorithm>
#include <span>
#include <string>
#include <utility>

namespace pw {

namespace {

template <typename T, std::size_t... I>
std::array<T, sizeof...(I)> Numbered(const char* prefix, std::index_sequence<I...>) {
    return {T{prefix + std::to_string(I + 1)}...};
}

constexpr int kColumnLeft[] = {16, 175};
constexpr int kFieldOffset = 17; // field left minus label left
constexpr int kRowTop[] = {27, 69, 111, 153, 195};
constexpr int kLabelDrop = 5; // label top minus field top

} // namespace

TfrmOptions::TfrmOptions(HotkeyRows& rows, HotkeyRegistry& hotkeys, Desktop& desktop,
                         OptionsHotkeys& optionsHotkeys)
    : eHotkey(Numbered<HotkeyField>("eHotkey", std::make_index_sequence<kFields>{})),
      lHotkey(Numbered<ui::Label>("lHotkey", std::make_index_sequence<kFields>{})), rows_(rows),
      hotkeys_(hotkeys), desktop_(desktop), optionsHotkeys_(optionsHotkeys) {
    SetWindowClass("TfrmOptions");
    SetCaption("Options");
    SetDesignSize(361, 308, true);
    SetCentredOnOwner();
    // Creation order is the tab order: the ten fields in the group, OK, Cancel.
    Place(GroupBox1, nullptr, IDC_OPTIONS_GROUP, {16, 16, 329, 236}, "First 10 auto-added hotkeys");
    for (std::size_t i = 0; i < kFields; ++i) {
        const int left = kColumnLeft[i / 5];
        const int top = kRowTop[i % 5];
        const int id = static_cast<int>(i);
        Place(lHotkey[i], &GroupBox1, IDC_OPTIONS_LABEL1 + id,
              {left, top + kLabelDrop, kFieldOffset, 13}, std::to_string(i + 1) + ":");
        Place(eHotkey[i], &GroupBox1, IDC_OPTIONS_HOTKEY1 + id,
              {left + kFieldOffset, top, 112, 21});
    }
    Place(bOK, nullptr, IDC_OPTIONS_OK, {170, 267, 80, 27}, "OK");
    Place(bCancel, nullptr, IDC_OPTIONS_CANCEL, {264, 267, 80, 27}, "Cancel");

    SetSkin(ui::VisualStyle::MacOS);
    bCancel.SetModalResult(ui::ModalResult::Cancel);

    OnShow = [this] { FormShow(); };
    OnCloseRequest = [this] { FormClose(); };
    bOK.OnClick = [this] { bOKClick(); };
    bCancel.OnClick = [this] { bCancelClick(); };
}

int TfrmOptions::RowsInReach() const {
    return std::min(rows_.RowCount(), static_cast<int>(kFields));
}

void TfrmOptions::FormShow() {
    const int n = RowsInReach();
    for (std::size_t i = 0; i < kFields; ++i)
        eHotkey[i].SetText(static_cast<int>(i) < n ? rows_.Hotkey(static_cast<int>(i))
                                                   : optionsHotkeys_[i]);
}

void TfrmOptions::FormClose() {
    if (GetModalResult() == ui::ModalResult::None)
        SetModalResult(ui::ModalResult::Cancel);
}

void TfrmOptions::bCancelClick() {
    SetModalResult(ui::ModalResult::Cancel);
}

bool TfrmOptions::FieldsOverlap() const {
    std::array<std::string, kFields> texts;
    for (std::size_t i = 0; i < kFields; ++i)
        texts[i] = eHotkey[i].Text();
    for (std::size_t i = 0; i + 1 < kFields; ++i)
        if (HotkeyOverlaps(texts[i], std::span<const std::string>(texts).subspan(i + 1)))
            return true;
    return false;
}

bool TfrmOptions::RowsDiffer() const {
    const int n = RowsInReach();
    for (int row = 0; row < n; ++row)
        if (eHotkey[static_cast<std::size_t>(row)].Text() != rows_.Hotkey(row))
            return true;
    return false;
}

bool TfrmOptions::RegisterRows() {
    hotkeys_.ReleaseRowsUpTo(static_cast<std::int32_t>(kFields));
    bool allRegistered = true;
    const int n = RowsInReach();
    for (int row = 0; row < n; ++row) {
        const std::size_t field = static_cast<std::size_t>(row);
        const std::string text = eHotkey[field].Text();
        if (hotkeys_.Register(ParseHotkeyText(text, desktop_), row + 1, text)) {
            rows_.SetHotkey(row, text);
            continue;
        }
        desktop_.ShowMessage("Hotkey" + std::to_string(row + 1) + ": " + kHotkeySettingFailed,
                             kMessageCaption, MessageIcon::Error, MessageButtons::Ok);
        allRegistered = false;
        optionsHotkeys_[field].clear();
        rows_.SetHotkey(row, "");
    }
    return allRegistered;
}

void TfrmOptions::StoreFields() {
    for (std::size_t i = 0; i < kFields; ++i)
        optionsHotkeys_[i] = eHotkey[i].Text();
}

void TfrmOptions::bOKClick() {
    if (FieldsOverlap()) {
        desktop_.ShowMessage(kHotkeyOverlaps, kMessageCaption, MessageIcon::Information,
                             MessageButtons::Ok);
        return;
    }
    if (RowsDiffer()) {
        if (!RegisterRows())
            return; // the dialog stays open; OK again tries the failed positions anew
    } else {
        StoreFields();
    }
    SetModalResult(ui::ModalResult::Ok);
}

} // namespace pw
