#include "platform/win32/SkinSubclass.h"

#include "platform/win32/PointerWatch.h"
#include "platform/win32/ControlHook.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowDpi.h"
#include "skin/ButtonFace.h"
#include "skin/CheckBoxFace.h"
#include "skin/Strips.h"
#include "text/Blanks.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>

namespace pw::win32 {

namespace {

constexpr UINT_PTR kRepeatTimer = 1;

const std::string& TextOf(const ui::Control& control) {
    return static_cast<const ui::TextControl&>(control).Text();
}

HFONT ControlFont(HWND hwnd) {
    return reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
}

// Each draws the whole of `client` on `dc`, an off-screen canvas.
void PaintButton(HWND hwnd, HDC dc, const RECT& client, SkinnedControl& s) {
    const std::string& caption = TextOf(s.control);
    const auto& button = static_cast<const ui::Button&>(s.control);
    skin::ButtonLookInput in{s.style, client.right, client.bottom, DpiOf(hwnd)};
    in.enabled = IsWindowEnabled(hwnd) != FALSE;
    in.focused = s.focused;
    in.pressed = s.state.Pressed();
    in.mouseOver = s.state.MouseOver();
    in.hasCaption = !TrimBlanks(caption).empty();
    HBITMAP glyph = button.GlyphId() != 0 ? s.pictures.Get(button.GlyphId()) : nullptr;
    BITMAP glyphInfo{};
    if (glyph != nullptr && GetObjectW(glyph, sizeof(glyphInfo), &glyphInfo) != 0) {
        in.glyphWidth = glyphInfo.bmWidth;
        in.glyphHeight = glyphInfo.bmHeight;
    }
    const bool bold = in.focused && in.enabled && in.glyphWidth == 0 &&
                      skin::FocusAsBoldCaption(s.style) && s.boldFont != nullptr;
    const FontScope fontScope(dc, bold ? s.boldFont : ControlFont(hwnd));
    const UINT prefix = HidesAccelerators(hwnd) ? DT_HIDEPREFIX : 0;
    const UINT flags =
        in.glyphWidth > 0 ? DT_SINGLELINE | prefix : DT_CENTER | DT_WORDBREAK | prefix;
    const SIZE extent = MeasureText(dc, caption, flags, client.right);
    in.captionWidth = extent.cx;
    in.captionHeight = extent.cy;

    const skin::ButtonLook look = skin::PlanButton(in);
    Fill(dc, {0, 0, client.right, client.bottom}, SystemColor(COLOR_BTNFACE));
    HDC strip = s.pictures.Source(s.pictures.OnFace(
        skin::ButtonStrip(s.style).resourceId, skin::kTransparent, SystemColor(COLOR_BTNFACE)));
    for (const skin::Slice& slice : look.slices)
        DrawPiece(dc, strip, slice);
    if (look.glyph)
        DrawKeyedPiece(dc, s.pictures.Source(glyph), *look.glyph);
    SetBkMode(dc, TRANSPARENT);
    const std::wstring wide = Wide(caption);
    for (const skin::CaptionDraw& draw : look.captions) {
        RECT r = ToRECT(draw.at);
        SetTextColor(dc, ToColorRef(draw.color));
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, flags | DT_NOCLIP);
    }
    if (look.focusRect) {
        const RECT r = ToRECT(*look.focusRect);
        SetTextColor(dc, RGB(0, 0, 0));
        DrawFocusRect(dc, &r);
    }
}

struct CaptionMetrics {
    int width;
    int letterHeight;
};

CaptionMetrics MeasureCaption(HDC dc, HFONT font, const std::string& caption) {
    const FontScope scope(dc, font);
    SIZE letter{};
    GetTextExtentPoint32W(dc, L"W", 1, &letter);
    return {MeasureText(dc, caption, DT_SINGLELINE).cx, letter.cy};
}

// A smaller variant of the control's font when its caption would not fit the
// room the layout gave it; null when it fits as it is.
HFONT FittingFont(HWND hwnd, HDC dc, const std::string& caption, int width) {
    HFONT font = ControlFont(hwnd);
    LOGFONTW design{};
    if (font == nullptr || GetObjectW(font, sizeof(design), &design) == 0)
        return nullptr;
    const int height = std::abs(static_cast<int>(design.lfHeight));
    UniqueGdiObject smaller; // the last one measured is the one that fits
    const int fitting =
        skin::FittingFontHeight(height, skin::CheckBoxCaptionRoom(width, DpiOf(hwnd)), [&](int h) {
            if (h != height) {
                design.lfHeight = -h;
                smaller.reset(CreateFontIndirectW(&design));
            }
            return MeasureCaption(dc, h == height ? font : static_cast<HFONT>(smaller.get()),
                                  caption)
                .width;
        });
    return fitting == height ? nullptr : static_cast<HFONT>(smaller.release());
}

void PaintCheckBox(HWND hwnd, HDC dc, const RECT& client, SkinnedControl& s) {
    const std::string& caption = TextOf(s.control);
    // Worked out again only for another caption, room or font of the control.
    SkinnedControl::Fitting& fitting = s.fitting;
    if (fitting.base != ControlFont(hwnd) || fitting.caption != caption ||
        fitting.width != client.right) {
        fitting.font.reset(FittingFont(hwnd, dc, caption, client.right));
        fitting.base = ControlFont(hwnd);
        fitting.caption = caption;
        fitting.width = client.right;
    }
    HFONT font = fitting.font ? static_cast<HFONT>(fitting.font.get()) : fitting.base;
    const CaptionMetrics metrics = MeasureCaption(dc, font, caption);
    skin::CheckBoxLookInput in{client.right, client.bottom, DpiOf(hwnd)};
    in.checked = SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
    in.enabled = IsWindowEnabled(hwnd) != FALSE;
    in.focused = s.focused;
    in.captionWidth = metrics.width;
    in.letterHeight = metrics.letterHeight;
    const skin::CheckBoxLook look = skin::PlanCheckBox(in);
    Fill(dc, {0, 0, client.right, client.bottom}, SystemColor(COLOR_BTNFACE));
    HBITMAP picture = s.pictures.OnFace(skin::CheckBoxStrip(s.style).resourceId, skin::kTransparent,
                                        SystemColor(COLOR_BTNFACE));
    DrawPiece(dc, s.pictures.Source(picture), {look.pictureFrom, look.picture});
    const FontScope scope(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(look.captionColor));
    RECT r = ToRECT(look.caption);
    const std::wstring wide = Wide(caption);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r,
              DT_SINGLELINE | DT_NOCLIP | (HidesAccelerators(hwnd) ? DT_HIDEPREFIX : 0));
    if (look.focusRect) {
        const RECT focus = ToRECT(*look.focusRect);
        SetTextColor(dc, RGB(0, 0, 0));
        DrawFocusRect(dc, &focus);
    }
}

bool Inside(HWND hwnd, LPARAM lp) {
    RECT r{};
    GetClientRect(hwnd, &r);
    const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    return PtInRect(&r, at) != FALSE;
}

// Where the pointer really is: a click sent as a message (BM_CLICK) comes
// with a made-up position.
bool PointerOver(HWND hwnd) {
    POINT at{};
    return GetCursorPos(&at) != FALSE && WindowFromPoint(at) == hwnd;
}

// The mouse's comings and goings and Space, to the state; true when the look
// changed. The control's own handling still clicks.
bool TrackInput(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, SkinnedControl& s) {
    bool changed = false;
    switch (msg) {
    case WM_MOUSEMOVE:
        if (!s.state.MouseOver() && Inside(hwnd, lp))
            WatchForLeave(hwnd);
        changed = s.state.MouseMove(Inside(hwnd, lp));
        break;
    case WM_MOUSELEAVE:
        changed = s.state.MouseLeave();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        changed = s.state.LeftDown();
        SetTimer(hwnd, kRepeatTimer, skin::ButtonState::kRepeatIntervalMs, nullptr);
        break;
    case WM_LBUTTONUP:
        changed = true;
        s.state.LeftUp(PointerOver(hwnd)); // the control's own handling clicks
        break;
    case WM_KEYDOWN:
        if (wp != VK_SPACE)
            return false;
        changed = s.state.KeyDown();
        break;
    case WM_KEYUP:
        if (wp != VK_SPACE)
            return false;
        changed = s.state.KeyUp();
        break;
    case WM_CAPTURECHANGED:
        // Space held down takes the mouse again at each repeat of the key.
        if (reinterpret_cast<HWND>(lp) == hwnd)
            return false;
        changed = s.state.Cancel();
        break;
    case WM_KILLFOCUS:
        changed = s.state.Cancel();
        break;
    default:
        return false;
    }
    if (!s.state.Repeating())
        KillTimer(hwnd, kRepeatTimer);
    return changed;
}

// Messages after which the control would draw itself in the system's look.
constexpr UINT kRedrawnAfter[] = {WM_SETFOCUS,      WM_KILLFOCUS, WM_ENABLE,   WM_SETTEXT,
                                  WM_UPDATEUISTATE, BM_SETSTATE,  BM_SETCHECK, BM_SETSTYLE,
                                  WM_LBUTTONDOWN,   WM_LBUTTONUP, WM_KEYDOWN,  WM_KEYUP};

LRESULT SkinProc(const ControlHook& hook, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto& s = hook.Ref<SkinnedControl>();
    if (msg == WM_NCDESTROY) {
        KillTimer(hwnd, kRepeatTimer);
        return hook.Next(hwnd, msg, wp, lp);
    }
    if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS)
        s.focused = msg == WM_SETFOCUS; // asking the system costs a round trip per painting
    if (HighContrastOn())
        return hook.Next(hwnd, msg, wp, lp);
    switch (msg) {
    case WM_PAINT: {
        const PaintScope paint(hwnd);
        PaintSkinned(paint.dc(), s);
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintSkinned(reinterpret_cast<HDC>(wp), s);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        if (wp != kRepeatTimer)
            break;
        if (auto* button = dynamic_cast<ui::Button*>(&s.control);
            button != nullptr && button->OnMouseRepeat)
            button->OnMouseRepeat();
        return 0;
    default:
        break;
    }
    const bool changed = TrackInput(hwnd, msg, wp, lp, s);
    const LRESULT result = hook.Next(hwnd, msg, wp, lp);
    if (changed || std::find(std::begin(kRedrawnAfter), std::end(kRedrawnAfter), msg) !=
                       std::end(kRedrawnAfter))
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return result;
}

// The static's own handling would click at the press: a link opens on a
// left release over it, as a button clicks, so a press dragged off opens
// nothing.
void ReleaseLink(HWND hwnd, PointedControl& pointed, LPARAM lp) {
    const ui::PointerEffects e = pointed.Release(hwnd, lp, true);
    if (e.released < 0)
        return;
    ReleaseCapture();
    if (e.click)
        PointedControl::SendClick(hwnd);
}

LRESULT LinkProc(const ControlHook& hook, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto& pointed = hook.Ref<PointedControl>();
    auto& label = static_cast<ui::Label&>(pointed.control);
    switch (msg) {
    case WM_SETCURSOR:
        return ShowHand();
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pointed.Hold(hwnd, lp, true);
        return 0;
    case WM_LBUTTONUP:
        ReleaseLink(hwnd, pointed, lp);
        return 0;
    case WM_CAPTURECHANGED:
        pointed.pointer.CaptureLost();
        break;
    case WM_MOUSEMOVE:
        if (pointed.Move(hwnd, lp).entered >= 0) {
            WatchForLeave(hwnd);
            label.MouseEnter();
        }
        break;
    case WM_MOUSELEAVE:
        if (pointed.pointer.Leave().left >= 0)
            label.MouseLeave();
        return 0;
    default:
        break;
    }
    return hook.Next(hwnd, msg, wp, lp);
}

} // namespace

void AttachSkinSubclass(SkinnedControl& skinned) {
    ControlHook::Attach(skinned.hwnd, &SkinProc, &skinned);
}

bool PaintSkinned(HDC dc, SkinnedControl& s) {
    if (HighContrastOn())
        return false;
    RECT client{};
    GetClientRect(s.hwnd, &client);
    const OffscreenCanvas canvas(dc, client.right, client.bottom);
    if (s.control.GetKind() == ui::Kind::CheckBox)
        PaintCheckBox(s.hwnd, canvas.dc(), client, s);
    else
        PaintButton(s.hwnd, canvas.dc(), client, s);
    return true;
}

void AttachLinkSubclass(HWND hwnd, PointedControl& label) {
    ControlHook::Attach(hwnd, &LinkProc, &label);
}

ui::Rect AutoSizedCheckBox(HFONT font, int dpi, const std::string& caption,
                           const ui::Rect& placed) {
    const CaptionMetrics metrics = MeasureCaption(MeasuringDc(), font, caption);
    return skin::AutoSizedBounds(placed,
                                 skin::CheckBoxAutoSize(metrics.width, metrics.letterHeight, dpi));
}

} // namespace pw::win32
