#pragma once

#include "hotkeys/HotkeyField.h"
#include "hotkeys/HotkeyText.h"
#include "hotkeys/OptionsHotkeys.h"
#include "ui/Control.h"
#include "ui/Form.h"

#include <cstdint>
#include <string>

namespace pw {

class Desktop;
class HotkeyRegistry;
class HotkeyRows;

// The Edit item dialog: changes one row's content and hotkey. It works on the
// main window's rows and hotkeys directly and is made anew for every use.
class TfrmSetHotkey : public ui::Form {
public:
    TfrmSetHotkey(HotkeyRows& rows, HotkeyRegistry& hotkeys, Desktop& desktop,
                  OptionsHotkeys& optionsHotkeys);

    ui::GroupBox GroupBox1{"GroupBox1"};
    ui::Label Label1{"Label1"};
    ui::Edit eClipStr{"eClipStr"};
    ui::Label Label2{"Label2"};
    HotkeyField eHotkey{"eHotkey"};
    ui::Button bOK{"bOK"};
    ui::Button bCancel{"bCancel"};
    ui::Button bUnregisterHotkey{"bUnregisterHotkey"};

    // Set by the Edit command before the dialog is shown.
    std::int32_t EditedRow = -1;
    std::string InitialHotkey;

    void FormShow();
    void FormClose();
    void bOKClick();
    void bCancelClick();
    void bUnregisterHotkeyClick();

private:
    bool RegisterCaptured(const std::string& text);
    void RestoreReleasedHotkey(HotkeyCodes codes);
    void Inform(const char* text) const;

    HotkeyRows& rows_;
    HotkeyRegistry& hotkeys_;
    Desktop& desktop_;
    OptionsHotkeys& optionsHotkeys_;
};

} // namespace pw
