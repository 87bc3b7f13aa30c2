#pragma once

#include "ui/Form.h"
#include "ui/LayoutPassHold.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace pw::win32 {

// A real control and the object it shows.
struct NativeChild {
    ui::Placement placement;
    HWND hwnd = nullptr;
    // What the control was last given: a layout pass sets every control's
    // state again, and each call the control does not need costs a round
    // trip to the window system.
    struct Pushed {
        bool enabled = true;
        bool visible = false;
        ui::Rect bounds{-1, -1, -1, -1};
    };
    Pushed pushed;
    // Made with its object's text, the control needs it again only when it changes.
    bool createdWithText = false;
};

// Keeps each real control showing what its object holds, and takes the user's
// changes back into the objects without echoing them to the control.
class ControlMirror {
public:
    explicit ControlMirror(std::vector<NativeChild>& children) : children_(children) {}

    // Follows every object from now on and brings its control up to date.
    void Attach();

    // Controls placed while a layout pass runs move once, at its end: a pass
    // places many controls twice, and a pass at an unchanged size puts every
    // one back where it was. Column widths likewise. Passes nest.
    void BeginPass() { hold_.Begin(); }
    void EndPass();
    void Detach();
    // Skinned check boxes take the size their captions need.
    void AutoSizeCheckBoxes() { autoSizeCheckBoxes_ = true; }
    // What the user did, from the controls' notifications.
    void TakeText(const NativeChild& child);
    void TakeChecked(const NativeChild& child);
    void TakeSelection(const NativeChild& child);
    // Measures a label's caption in its window's font, so that the label
    // takes the width its caption needs; for a new caption or font.
    void FitLabel(NativeChild& child);
    // A cell of a list view's object, as the list view asks for one to show:
    // valid until the next cell is asked for.
    wchar_t* CellText(const NativeChild& child, int row, int column);

private:
    // While native state goes into the objects, or the mirror moves the
    // selection itself, nothing comes back.
    struct Syncing {
        bool& flag;
        const bool was = std::exchange(flag, true);
        ~Syncing() { flag = was; }
    };
    void Push(NativeChild& child, ui::Change what, int index);
    void PushSelection(const NativeChild& child);
    void PushColumns(const NativeChild& child);

    std::vector<NativeChild>& children_;
    // Per child, the changes a pass holds back (kHeldBounds, kHeldColumns).
    ui::LayoutPassHold hold_;
    bool syncing_ = false;
    bool autoSizeCheckBoxes_ = false;
    std::wstring cell_;
};

// The width a label's caption takes in `font`.
int CaptionWidth(HFONT font, const std::string& caption);

} // namespace pw::win32
