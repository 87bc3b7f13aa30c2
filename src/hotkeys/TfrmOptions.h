#pragma once

#include "hotkeys/HotkeyField.h"
#include "hotkeys/OptionsHotkeys.h"
#include "ui/Control.h"
#include "ui/Form.h"

#include <array>
#include <cstddef>

namespace pw {

class Desktop;
class HotkeyRegistry;
class HotkeyRows;

// The Options dialog: the hotkeys of list positions 1 to 10 in one place.
// Confirmed with a changed hotkey for an existing row, it registers rows 1 to
// n anew from the fields; otherwise it keeps the ten texts for later.
class TfrmOptions : public ui::Form {
public:
    static constexpr std::size_t kFields = 10;

    TfrmOptions(HotkeyRows& rows, HotkeyRegistry& hotkeys, Desktop& desktop,
                OptionsHotkeys& optionsHotkeys);

    ui::GroupBox GroupBox1{"GroupBox1"};
    // Field N (eHotkey1 to eHotkey10) belongs to list position N.
    std::array<HotkeyField, kFields> eHotkey;
    std::array<ui::Label, kFields> lHotkey;
    ui::Button bOK{"bOK"};
    ui::Button bCancel{"bCancel"};

    void FormShow();
    void FormClose();
    void bOKClick();
    void bCancelClick();

private:
    // Rows 1 to 10 that exist right now: auto-add may append rows while the
    // dialog is open.
    int RowsInReach() const;
    bool FieldsOverlap() const;
    bool RowsDiffer() const;
    // True when every position was registered.
    bool RegisterRows();
    void StoreFields();

    HotkeyRows& rows_;
    HotkeyRegistry& hotkeys_;
    Desktop& desktop_;
    OptionsHotkeys& optionsHotkeys_;
};

} // namespace pw
