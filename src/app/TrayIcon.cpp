#include "app/TrayIcon.h"

#include "app/MainIds.h"
#include "platform/Desktop.h"
#include "text/Utf8.h"

namespace pw {

std::string TrayTip(std::string text) {
    // The tip's room is counted in UTF-16 units; a character is not cut.
    text.resize(FirstUtf16Units(text, kTrayTipLength).size());
    return text;
}

void TrayIcon::Set(bool add) {
    present_ = add;
    desktop_.SetTrayIcon(add ? TrayChange::Add : TrayChange::Delete,
                         TrayTip(desktop_.LoadText(IDS_TRAY_TIP)));
}

void TrayIcon::Add() {
    Set(true);
}

void TrayIcon::Delete() {
    Set(false);
}

void TrayIcon::ShellRestarted() {
    if (present_)
        Set(true);
}

} // namespace pw
