#include "platform/win32/ControlMirror.h"

#include "platform/win32/SkinSubclass.h"
#include "platform/win32/Unique.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowDpi.h"
#include "ui/ListView.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>

namespace pw::win32 {

namespace {

constexpr unsigned kHeldBounds = 1;
constexpr unsigned kHeldColumns = 2;

unsigned HeldInPass(ui::Change what) {
    switch (what) {
    case ui::Change::State:
        return kHeldBounds;
    case ui::Change::Columns:
        return kHeldColumns;
    default:
        return 0;
    }
}

int ShownSelection(HWND list) {
    return static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

} // namespace

void ControlMirror::Attach() {
    hold_.Resize(children_.size());
    for (std::size_t slot = 0; slot < children_.size(); ++slot) {
        children_[slot].placement.control->SetObserver([this, slot](ui::Change what, int index) {
            if (syncing_)
                return;
            if (HeldInPass(what) == 0 || !hold_.Hold(slot, HeldInPass(what)))
                Push(children_[slot], what, index);
        });
        // The text after creation: a window name at creation has a length limit.
        for (ui::Change what : {ui::Change::State, ui::Change::Text, ui::Change::Items})
            Push(children_[slot], what, -1);
    }
}

void ControlMirror::EndPass() {
    hold_.End([this](std::size_t slot, unsigned held) {
        if ((held & kHeldBounds) != 0)
            Push(children_[slot], ui::Change::State, -1);
        if ((held & kHeldColumns) != 0)
            Push(children_[slot], ui::Change::Columns, -1);
    });
}

void ControlMirror::Detach() {
    for (const NativeChild& c : children_)
        c.placement.control->SetObserver(nullptr);
}

void ControlMirror::Push(NativeChild& child, ui::Change what, int index) {
    const ui::Control& control = *child.placement.control;
    const auto* list = dynamic_cast<const ui::ListView*>(&control);
    HWND hwnd = child.hwnd;
    switch (what) {
    case ui::Change::State: {
        NativeChild::Pushed& pushed = child.pushed;
        if (std::exchange(pushed.enabled, control.Enabled()) != control.Enabled())
            EnableWindow(hwnd, control.Enabled() ? TRUE : FALSE);
        if (std::exchange(pushed.visible, control.Visible()) != control.Visible())
            ShowWindow(hwnd, control.Visible() ? SW_SHOWNA : SW_HIDE);
        const auto* box = dynamic_cast<const ui::CheckBox*>(&control);
        ui::Rect r = child.placement.BoundsOnWindow();
        if (box != nullptr && autoSizeCheckBoxes_)
            r = AutoSizedCheckBox(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)),
                                  DpiOf(hwnd), box->Text(), r);
        // A window not shown yet is painted whole when it is.
        const BOOL shown = IsWindowVisible(hwnd);
        if (std::exchange(pushed.bounds, r) != r)
            MoveWindow(hwnd, r.left, r.top, r.width, r.height, shown);
        if (box != nullptr)
            SendMessageW(hwnd, BM_SETCHECK, box->Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        if (shown)
            InvalidateRect(hwnd, nullptr, TRUE);
        break;
    }
    case ui::Change::Text:
        if (auto* t = dynamic_cast<const ui::TextControl*>(&control);
            t != nullptr && !std::exchange(child.createdWithText, false))
            SetWindowTextW(hwnd, Wide(t->Text()).c_str());
        FitLabel(child);
        if (control.GetKind() == ui::Kind::CheckBox && autoSizeCheckBoxes_)
            Push(child, ui::Change::State, index);
        break;
    case ui::Change::Items:
        if (list != nullptr) {
            SendMessageW(hwnd, LVM_SETITEMCOUNT, static_cast<WPARAM>(list->RowCount()),
                         LVSICF_NOSCROLL);
            InvalidateRect(hwnd, nullptr, TRUE);
            PushSelection(child);
        }
        break;
    case ui::Change::Item:
        SendMessageW(hwnd, LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
        break;
    case ui::Change::Selection:
        PushSelection(child);
        break;
    case ui::Change::Columns:
        PushColumns(child);
        break;
    }
}

void ControlMirror::PushColumns(const NativeChild& child) {
    const auto* list = dynamic_cast<const ui::ListView*>(child.placement.control);
    if (list == nullptr)
        return;
    std::vector<int> shown;
    for (std::size_t i = 0; i < list->Columns().size(); ++i)
        shown.push_back(static_cast<int>(
            SendMessageW(child.hwnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0)));
    for (const std::size_t i : list->ColumnsToResize(shown))
        SendMessageW(child.hwnd, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(i),
                     list->Columns()[i].width);
}

void ControlMirror::FitLabel(NativeChild& child) {
    if (auto* label = dynamic_cast<ui::Label*>(child.placement.control))
        label->SetTextWidth(CaptionWidth(
            reinterpret_cast<HFONT>(SendMessageW(child.hwnd, WM_GETFONT, 0, 0)), label->Text()));
}

int CaptionWidth(HFONT font, const std::string& caption) {
    HDC dc = MeasuringDc();
    const FontScope scope(dc, font);
    RECT r{};
    // As the label draws it: an '&' marks a mnemonic and takes no room.
    DrawTextW(dc, Wide(caption).c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
    return r.right;
}

void ControlMirror::PushSelection(const NativeChild& child) {
    const int selected = static_cast<const ui::ListView*>(child.placement.control)->Selected();
    if (ShownSelection(child.hwnd) == selected)
        return;
    const Syncing syncing{syncing_};
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(child.hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&item));
    if (selected >= 0) {
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(child.hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(selected),
                     reinterpret_cast<LPARAM>(&item));
        SendMessageW(child.hwnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(selected), FALSE);
    }
}

wchar_t* ControlMirror::CellText(const NativeChild& child, int row, int column) {
    cell_ = Wide(static_cast<const ui::ListView*>(child.placement.control)->Cell(row, column));
    return cell_.data();
}

void ControlMirror::TakeText(const NativeChild& child) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(child.hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        std::max(0, GetWindowTextW(child.hwnd, text.data(), static_cast<int>(text.size())))));
    const Syncing syncing{syncing_};
    static_cast<ui::TextControl*>(child.placement.control)->SetText(Narrow(text));
}

void ControlMirror::TakeChecked(const NativeChild& child) {
    static_cast<ui::CheckBox*>(child.placement.control)
        ->SetChecked(SendMessageW(child.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED);
}

void ControlMirror::TakeSelection(const NativeChild& child) {
    if (syncing_)
        return; // the mirror's own move: the object holds the truth already
    const Syncing syncing{syncing_};
    static_cast<ui::ListView*>(child.placement.control)->Select(ShownSelection(child.hwnd));
}

} // namespace pw::win32
