#include "platform/win32/DrawnControls.h"

#include "platform/win32/PointerWatch.h"
#include "platform/win32/ControlMirror.h"
#include "platform/win32/ImageSubclass.h"
#include "platform/win32/SkinCanvas.h"
#include "platform/win32/ToolInfo.h"
#include "platform/win32/WideText.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>
#include <windowsx.h>

namespace pw::win32 {

namespace {

// As a static control with SS_LEFT draws its caption: wrapped at words, '&'
// marking a mnemonic, over its background colour or the window's.
void DrawLabel(HDC dc, const RECT& r, const ui::Label& label, HFONT font, bool hidePrefix) {
    const ui::LabelColors colors =
        ui::ChooseLabelColors(label, HighContrastOn(), CurrentSystemColors());
    Fill(dc, {r.left, r.top, r.right - r.left, r.bottom - r.top}, colors.back);
    SetTextColor(dc, ToColorRef(colors.text));
    SetBkMode(dc, TRANSPARENT);
    const FontScope scope(dc, font);
    RECT box = r;
    const std::wstring caption = Wide(label.Text());
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box,
              DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | (hidePrefix ? DT_HIDEPREFIX : 0));
}

// As a group box draws itself: the frame, themed when the window is, from
// half the caption's height down, and the caption on it.
void DrawGroupBox(HDC dc, const RECT& r, const ui::GroupBox& box, HFONT font, HTHEME theme) {
    const FontScope scope(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT frame{r.left, r.top + metrics.tmHeight / 2, r.right, r.bottom};
    if (theme != nullptr) {
        DrawThemeBackground(theme, dc, BP_GROUPBOX, GBS_NORMAL, &frame, nullptr);
    } else {
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    }
    if (box.Text().empty())
        return;
    RECT caption{r.left + metrics.tmAveCharWidth, r.top, r.right, r.top + metrics.tmHeight};
    const std::wstring text = Wide(box.Text());
    DrawTextW(dc, text.c_str(), -1, &caption, DT_SINGLELINE | DT_CALCRECT);
    Fill(dc, {caption.left - 2, caption.top, caption.right - caption.left + 4, metrics.tmHeight},
         SystemColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(box.Enabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), -1, &caption, DT_SINGLELINE);
}

} // namespace

void DrawnControls::Attach() {
    hold_.Resize(drawn_.size());
    for (std::size_t i = 0; i < drawn_.size(); ++i) {
        Drawn& drawn = drawn_[i];
        drawn.shown = drawn.placement.BoundsOnWindow();
        drawn.placement.control->SetObserver([this, i](ui::Change, int) {
            if (!hold_.Hold(i, 1))
                Changed(drawn_[i]);
        });
    }
}

HTHEME DrawnControls::ButtonTheme() const {
    if (!themeAsked_) {
        themeAsked_ = true;
        theme_.reset(IsAppThemed() != FALSE ? OpenThemeData(form_, L"BUTTON") : nullptr);
    }
    return theme_.get();
}

void DrawnControls::ThemeChanged() {
    theme_.reset();
    themeAsked_ = false;
}

void DrawnControls::Detach() {
    for (const Drawn& drawn : drawn_)
        drawn.placement.control->SetObserver(nullptr);
    pointer_.Forget();
    tooltip_ = nullptr;
    ThemeChanged();
}

void DrawnControls::EndPass() {
    hold_.End([this](std::size_t i, unsigned) {
        if (drawn_[i].placement.BoundsOnWindow() != drawn_[i].shown)
            Changed(drawn_[i]);
    });
}

void DrawnControls::Changed(Drawn& drawn) {
    const ui::Rect now = drawn.placement.BoundsOnWindow();
    const bool moved = now != drawn.shown;
    // A window not shown yet is painted whole when it is.
    if (IsWindowVisible(form_)) {
        const RECT was = ToRECT(drawn.shown);
        const RECT is = ToRECT(now);
        // In place, a control that covers all its place draws over all it drew
        // before: no erasing, no flicker. A frame, or a picture that lets the
        // background show through, is drawn on the background afresh.
        const auto* image = dynamic_cast<const ui::Image*>(drawn.placement.control);
        const bool covers = drawn.placement.control->GetKind() == ui::Kind::Label ||
                            (image != nullptr && image->Fill().has_value());
        InvalidateRect(form_, &was, moved || !covers ? TRUE : FALSE);
        if (moved)
            InvalidateRect(form_, &is, TRUE);
    }
    drawn.shown = now;
    if (moved && tooltip_ != nullptr) {
        TOOLINFOW tool = ToolInfo(form_, static_cast<UINT_PTR>(drawn.placement.id));
        tool.rect = ToRECT(now);
        SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void DrawnControls::Paint(HDC dc, const RECT& dirty) const {
    const bool hidePrefix = (SendMessageW(form_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) != 0;
    for (const bool labels : {false, true}) {
        for (const Drawn& drawn : drawn_) {
            const ui::Control& control = *drawn.placement.control;
            const RECT r = ToRECT(drawn.shown);
            RECT touched{};
            if (!control.Visible() || (control.GetKind() == ui::Kind::Label) != labels ||
                !IntersectRect(&touched, &r, &dirty))
                continue;
            const SavedDc saved(dc);
            IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
            if (labels)
                DrawLabel(dc, r, static_cast<const ui::Label&>(control), fontFor_(control),
                          hidePrefix);
            else if (control.GetKind() == ui::Kind::GroupBox)
                DrawGroupBox(dc, r, static_cast<const ui::GroupBox&>(control), fontFor_(control),
                             ButtonTheme());
            else
                DrawImage(dc, r, static_cast<const ui::Image&>(control), true);
        }
    }
}

std::vector<ui::PointerTarget> DrawnControls::Targets() const {
    std::vector<ui::PointerTarget> targets;
    targets.reserve(drawn_.size());
    for (const Drawn& drawn : drawn_) {
        const ui::Control& control = *drawn.placement.control;
        targets.push_back({drawn.shown, control.Visible(), control.GetKind() == ui::Kind::Label,
                           control.GetKind() == ui::Kind::GroupBox});
    }
    return targets;
}

bool DrawnControls::WantsHand(POINT client) const {
    const int over = ui::TargetAt(Targets(), client.x, client.y);
    if (over < 0)
        return false;
    const ui::Control& control = *drawn_[static_cast<std::size_t>(over)].placement.control;
    if (const auto* label = dynamic_cast<const ui::Label*>(&control))
        return label->IsLink();
    return static_cast<const ui::Image&>(control).HandCursor();
}

void DrawnControls::Tell(int index, bool entering) {
    if (index < 0)
        return;
    ui::Control& control = *drawn_[static_cast<std::size_t>(index)].placement.control;
    if (auto* label = dynamic_cast<ui::Label*>(&control))
        entering ? label->MouseEnter() : label->MouseLeave();
    else if (auto* image = dynamic_cast<ui::Image*>(&control))
        entering ? image->MouseEnter() : image->MouseLeave();
}

ui::Image* DrawnControls::ImageAt(int index) const {
    return dynamic_cast<ui::Image*>(drawn_[static_cast<std::size_t>(index)].placement.control);
}

bool DrawnControls::Mouse(UINT msg, WPARAM wp, LPARAM lp) {
    if (drawn_.empty())
        return false; // a window that draws none of its controls
    const int x = GET_X_LPARAM(lp);
    const int y = GET_Y_LPARAM(lp);
    // Handed on rather than letting the tooltip subclass the form window,
    // which would cost every message of the window a look-up.
    if (tooltip_ != nullptr && msg != WM_MOUSELEAVE && msg != WM_CAPTURECHANGED) {
        MSG relayed{form_, msg, wp, lp, 0, {}};
        SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
    ui::PointerEffects e;
    switch (msg) {
    case WM_MOUSEMOVE:
        if (!tracking_)
            tracking_ = WatchForLeave(form_);
        e = pointer_.Move(Targets(), x, y);
        break;
    case WM_MOUSELEAVE:
        tracking_ = false;
        e = pointer_.Leave();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        e = pointer_.Press(Targets(), x, y, msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        e = pointer_.Release(Targets(), x, y, msg == WM_LBUTTONUP);
        break;
    case WM_CAPTURECHANGED: // taken away while held: back in place, no click
        if (const int held = pointer_.CaptureLost().released; held >= 0)
            if (ui::Image* image = ImageAt(held))
                image->MouseUp(false);
        return false;
    default:
        return false;
    }
    Tell(e.left, false);
    Tell(e.entered, true);
    if (e.held >= 0) {
        SetCapture(form_);
        if (ui::Image* image = ImageAt(e.held))
            image->MouseDown();
    }
    if (e.released >= 0) {
        // The capture goes before the click, which may open a menu or a page.
        if (ui::Image* image = ImageAt(e.released)) {
            const bool click = image->MouseUp(e.click);
            ReleaseCapture();
            if (click)
                image->Click();
        } else {
            ReleaseCapture();
            auto& label = static_cast<ui::Label&>(
                *drawn_[static_cast<std::size_t>(e.released)].placement.control);
            if (e.click && label.Enabled() && label.OnClick)
                label.OnClick();
        }
    }
    return e.handled;
}

void DrawnControls::FitLabels() {
    for (const Drawn& drawn : drawn_)
        if (auto* label = dynamic_cast<ui::Label*>(drawn.placement.control))
            label->SetTextWidth(CaptionWidth(fontFor_(*label), label->Text()));
}

void DrawnControls::AddTools(HWND tooltip) {
    tooltip_ = tooltip;
    for (const Drawn& drawn : drawn_) {
        const std::string& hint = drawn.placement.control->Hint();
        if (hint.empty())
            continue;
        std::wstring text = Wide(hint);
        TOOLINFOW tool = ToolInfo(form_, static_cast<UINT_PTR>(drawn.placement.id), &text);
        tool.rect = ToRECT(drawn.shown);
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

} // namespace pw::win32
