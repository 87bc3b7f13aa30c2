#include "platform/win32/ChildControls.h"

#include "platform/win32/ControlHook.h"
#include "platform/win32/CaptureFieldSubclass.h"
#include "platform/win32/ImageSubclass.h"
#include "platform/win32/WideText.h"
#include "ui/ListView.h"

namespace pw::win32 {

namespace {

struct NativeKind {
    ui::Kind kind;
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

// Menu items have no window of their own.
constexpr NativeKind kNativeKinds[] = {
    {ui::Kind::Label, L"STATIC", SS_LEFT | SS_NOTIFY, 0},
    {ui::Kind::Button, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0},
    {ui::Kind::Edit, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {ui::Kind::CaptureField, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {ui::Kind::CheckBox, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0},
    {ui::Kind::GroupBox, L"BUTTON", BS_GROUPBOX, 0},
    {ui::Kind::ListView, WC_LISTVIEWW,
     LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {ui::Kind::Image, L"STATIC", SS_NOTIFY, 0},
    {ui::Kind::Bevel, L"STATIC", SS_ETCHEDHORZ, 0},
};

void AddColumns(HWND hwnd, const ui::ListView& list) {
    SendMessageW(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_INFOTIP);
    int index = 0;
    for (const ui::Column& c : list.Columns()) {
        std::wstring caption = Wide(c.caption);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = caption.data();
        column.cx = c.width;
        column.iSubItem = index;
        SendMessageW(hwnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index++),
                     reinterpret_cast<LPARAM>(&column));
    }
}

// A short text goes in with the window, which spares setting it again; a long
// one waits for the mirror, as an edit control takes no more than its default
// limit at creation. Null when the text waits.
const std::string* CreationText(const ui::Control& control) {
    constexpr std::size_t kLongest = 255;
    const auto* text = dynamic_cast<const ui::TextControl*>(&control);
    return text != nullptr && text->Text().size() <= kLongest ? &text->Text() : nullptr;
}

} // namespace

ChildControls::ChildControls(ui::Form& form, const HWND& parent, const FormFonts& fonts)
    : form_(form), parent_(parent), fonts_(fonts),
      drawn_(parent, [&fonts](const ui::Control& control) { return fonts.For(control); }) {}

// Labels as wide as their captions, skinned check boxes as large as theirs.
ui::Rect ChildControls::BoundsAtCreation(const ui::Placement& p, int dpi) const {
    if (auto* label = dynamic_cast<ui::Label*>(p.control))
        label->SetTextWidth(CaptionWidth(fonts_.For(*label), label->Text()));
    const ui::Rect placed = p.BoundsOnWindow();
    const auto* box = dynamic_cast<const ui::CheckBox*>(p.control);
    return box != nullptr && form_.Skin()
               ? AutoSizedCheckBox(fonts_.For(*box), dpi, box->Text(), placed)
               : placed;
}

void ChildControls::Create(int dpi) {
    if (form_.Skin())
        mirror_.AutoSizeCheckBoxes();
    children_.reserve(form_.Controls().size());
    for (const ui::Placement& p : form_.Controls()) {
        // Made in their state, place and size: each call the mirror would
        // need to put them there costs a round trip to the window system.
        const NativeChild::Pushed state{p.control->Enabled(), p.control->Visible(),
                                        BoundsAtCreation(p, dpi)};
        HWND hwnd = CreateControl(p, state);
        if (hwnd != nullptr)
            children_.push_back({p, hwnd, state, CreationText(*p.control) != nullptr});
    }
    // Group frames and pictures lie under the controls drawn on them. Going
    // backwards keeps the first of them (the banner) lowest.
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        const ui::Kind kind = it->placement.control->GetKind();
        if (kind == ui::Kind::GroupBox || kind == ui::Kind::Image)
            SetWindowPos(it->hwnd, HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    mirror_.Attach();
    drawn_.Attach();
}

void ChildControls::Forget() {
    mirror_.Detach();
    drawn_.Detach();
    drawn_.Clear();
    children_.clear(); // the child windows went with their parent
    skinned_.clear();
    pointed_.clear();
}

HWND ChildControls::CreateControl(const ui::Placement& p, const NativeChild::Pushed& state) {
    const ui::Control& control = *p.control;
    const NativeKind* kind = nullptr;
    for (const NativeKind& k : kNativeKinds)
        if (k.kind == control.GetKind())
            kind = &k;
    auto* image = dynamic_cast<ui::Image*>(p.control);
    if (kind == nullptr || (image != nullptr && !image->HasPicture()))
        return nullptr; // an image shows nothing until its picture exists
    if (drawsLabelsAndPictures_ && DrawnControls::Draws(control)) {
        drawn_.Add(p);
        return nullptr;
    }
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind->style |
                        (state.visible ? WS_VISIBLE : 0) | (state.enabled ? 0 : WS_DISABLED);
    const ui::Rect& r = state.bounds;
    const std::string* text = CreationText(control);
    HWND hwnd = CreateWindowExW(
        kind->exStyle, kind->className, text != nullptr ? Wide(*text).c_str() : L"", style, r.left,
        r.top, r.width, r.height, parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(p.id)),
        GetModuleHandleW(nullptr), nullptr);
    if (hwnd == nullptr)
        return nullptr;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.For(control)), FALSE);
    Skin(hwnd, *p.control);
    if (image != nullptr)
        AttachImageSubclass(hwnd, *pointed_.emplace_back(std::make_unique<PointedControl>(
                                      PointedControl{*image, {}})));
    // Snippets have no length limit: the control's own would cut typed and pasted texts.
    if (control.GetKind() == ui::Kind::Edit)
        SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);
    if (control.GetKind() == ui::Kind::CaptureField)
        AttachCaptureFieldSubclass(hwnd, static_cast<ui::CaptureField&>(*p.control));
    if (control.GetKind() == ui::Kind::ListView)
        AddColumns(hwnd, static_cast<const ui::ListView&>(control));
    ControlHook::AttachPlain(hwnd); // unless it has a hook of its own
    return hwnd;
}

void ChildControls::Skin(HWND hwnd, ui::Control& control) {
    if (auto* label = dynamic_cast<ui::Label*>(&control); label != nullptr && label->IsLink())
        AttachLinkSubclass(hwnd, *pointed_.emplace_back(
                                     std::make_unique<PointedControl>(PointedControl{*label, {}})));
    const ui::Kind kind = control.GetKind();
    if (!form_.Skin() || (kind != ui::Kind::Button && kind != ui::Kind::CheckBox))
        return;
    skinned_.push_back(std::make_unique<SkinnedControl>(
        SkinnedControl{hwnd, control, *form_.Skin(), pictures_, fonts_.Bold(), {}, false, {}}));
    AttachSkinSubclass(*skinned_.back());
}

const NativeChild* ChildControls::Find(HWND hwnd) const {
    for (const NativeChild& c : children_)
        if (c.hwnd == hwnd)
            return &c;
    return nullptr;
}

HWND ChildControls::WindowOf(const ui::Control& control) const {
    for (const NativeChild& c : children_)
        if (c.placement.control == &control)
            return c.hwnd;
    return nullptr;
}

void ChildControls::FontsChanged() {
    for (const std::unique_ptr<SkinnedControl>& s : skinned_)
        s->boldFont = fonts_.Bold();
    for (NativeChild& c : children_) {
        SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.For(*c.placement.control)),
                     TRUE);
        mirror_.FitLabel(c);
    }
    drawn_.FitLabels();
}

void ChildControls::Paint(HDC dc, const RECT& dirty) {
    drawn_.Paint(dc, dirty);
    PaintSkinnedChildren(dc, dirty);
}

// When the window is painted whole, its skinned controls are painted with it
// and marked as done: their own painting would cost each a round of requests
// to the window system for the same pixels.
void ChildControls::PaintSkinnedChildren(HDC dc, const RECT& dirty) {
    // Only when the whole window is painted, so that nothing it leaves out is marked done.
    RECT client{};
    GetClientRect(parent_, &client);
    if (HighContrastOn() || !EqualRect(&dirty, &client))
        return;
    for (const std::unique_ptr<SkinnedControl>& s : skinned_) {
        RECT r{};
        if (!IsWindowVisible(s->hwnd) || !GetWindowRect(s->hwnd, &r))
            continue;
        MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&r), 2);
        const SavedDc saved(dc);
        SetViewportOrgEx(dc, r.left, r.top, nullptr);
        IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
        PaintSkinned(dc, *s);
        ValidateRect(s->hwnd, nullptr);
    }
}

bool ChildControls::StaticColors(HDC dc, HWND control, LRESULT& result) {
    const NativeChild* child = Find(control);
    if (child == nullptr)
        return false;
    const auto* label = dynamic_cast<const ui::Label*>(child->placement.control);
    const auto* image = dynamic_cast<const ui::Image*>(child->placement.control);
    std::optional<ui::Color> font;
    std::optional<ui::Color> back = image != nullptr ? image->Fill() : std::nullopt;
    // Labels of their own colours, and every label under a high-contrast theme.
    if (label != nullptr && (label->FontColor() || label->BackColor() || HighContrastOn())) {
        const ui::LabelColors colors =
            ui::ChooseLabelColors(*label, HighContrastOn(), CurrentSystemColors());
        font = colors.text;
        back = colors.back;
    }
    if (!font && !back)
        return false;
    if (font)
        SetTextColor(dc, RGB(font->r, font->g, font->b));
    if (label != nullptr)
        SetBkMode(dc, TRANSPARENT);
    HBRUSH brush = GetSysColorBrush(COLOR_BTNFACE);
    if (back) {
        const std::uint32_t key = RGB(back->r, back->g, back->b);
        auto it = brushes_.find(key);
        if (it == brushes_.end())
            it = brushes_.emplace(key, UniqueGdiObject(CreateSolidBrush(key))).first;
        brush = static_cast<HBRUSH>(it->second.get());
    }
    result = reinterpret_cast<LRESULT>(brush);
    return true;
}

// Whatever makes the control draw itself outside its own painting (a state
// change drawn at once) reaches the window as custom drawing: the skin again.
bool ChildControls::CustomDraw(const NMHDR& header, LRESULT& result) {
    if (header.code != NM_CUSTOMDRAW)
        return false;
    const auto& draw = reinterpret_cast<const NMCUSTOMDRAW&>(header);
    for (const std::unique_ptr<SkinnedControl>& s : skinned_)
        if (s->hwnd == header.hwndFrom && draw.dwDrawStage == CDDS_PREPAINT &&
            PaintSkinned(draw.hdc, *s)) {
            result = CDRF_SKIPDEFAULT;
            return true;
        }
    return false;
}

} // namespace pw::win32
