#include "platform/win32/FormWindow.h"

#include "platform/win32/ControlHook.h"
#include "platform/win32/HotkeyFieldSubclass.h"
#include "platform/win32/WindowDpi.h"
#include "platform/win32/ImageSubclass.h"
#include "ui/ListView.h"

#include <commctrl.h>

#include <utility>

namespace pw::win32 {

namespace {

struct NativeKind {
    ui::Kind kind;
    const char* className;
    DWORD style;
    DWORD exStyle;
};

// Menu items have no window of their own.
constexpr NativeKind kNativeKinds[] = {
    {ui::Kind::Label, "STATIC", SS_LEFT | SS_NOTIFY, 0},
    {ui::Kind::Button, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0},
    {ui::Kind::Edit, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {ui::Kind::HotkeyField, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {ui::Kind::CheckBox, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0},
    {ui::Kind::GroupBox, "BUTTON", BS_GROUPBOX, 0},
    {ui::Kind::ListView, WC_LISTVIEWA,
     LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {ui::Kind::Image, "STATIC", SS_NOTIFY, 0},
    {ui::Kind::Bevel, "STATIC", SS_ETCHEDHORZ, 0},
};

void AddColumns(HWND hwnd, const ui::ListView& list) {
    SendMessageA(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_INFOTIP);
    int index = 0;
    for (const ui::Column& c : list.Columns()) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(c.caption.c_str());
        column.cx = c.width;
        column.iSubItem = index;
        SendMessageA(hwnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index++),
                     reinterpret_cast<LPARAM>(&column));
    }
}

} // namespace

// Labels as wide as their captions, skinned check boxes as large as theirs.
ui::Rect FormWindow::BoundsAtCreation(const ui::Placement& p, int dpi) const {
    if (auto* label = dynamic_cast<ui::Label*>(p.control))
        label->SetTextWidth(CaptionWidth(FontFor(*label), label->Text()));
    const ui::Rect placed = p.BoundsOnWindow();
    const auto* box = dynamic_cast<const ui::CheckBox*>(p.control);
    return box != nullptr && form_.Skin()
               ? AutoSizedCheckBox(FontFor(*box), dpi, box->Text(), placed)
               : placed;
}

// A short text goes in with the window, which spares setting it again; a long
// one waits for the mirror, as an edit control takes no more than its default
// limit at creation. Null when the text waits.
const char* FormWindow::CreationText(const ui::Control& control) {
    constexpr std::size_t kLongest = 255;
    const auto* text = dynamic_cast<const ui::TextControl*>(&control);
    return text != nullptr && text->Text().size() <= kLongest ? text->Text().c_str() : nullptr;
}

void FormWindow::CreateControls(int dpi) {
    MakeFonts(dpi);
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
}

void FormWindow::WantTooltips() {
    // Well within the delay before a hint shows.
    constexpr UINT kTooltipWaitMs = 100;
    if (tooltips_ == Tooltips::None && SetTimer(hwnd_, kTooltipTimer, kTooltipWaitMs, nullptr) != 0)
        tooltips_ = Tooltips::Waiting;
}

void FormWindow::CreateTooltips() {
    KillTimer(hwnd_, kTooltipTimer);
    if (std::exchange(tooltips_, Tooltips::Made) == Tooltips::Made)
        return;
    HWND tooltip =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                        GetModuleHandleA(nullptr), nullptr);
    if (tooltip == nullptr)
        return;
    for (const NativeChild& child : children_) {
        if (child.placement.control->Hint().empty())
            continue;
        TOOLINFOA tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(child.hwnd);
        tool.lpszText = const_cast<char*>(child.placement.control->Hint().c_str());
        SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    drawn_.AddTools(tooltip);
    // A pointer that rests where it came in gets its hint all the same.
    POINT at{};
    HWND under = GetCursorPos(&at) != FALSE ? WindowFromPoint(at) : nullptr;
    if (under == hwnd_ || (under != nullptr && IsChild(hwnd_, under))) {
        POINT client = at;
        ScreenToClient(under, &client);
        MSG move{under,
                 WM_MOUSEMOVE,
                 0,
                 MAKELPARAM(client.x, client.y),
                 static_cast<DWORD>(GetMessageTime()),
                 at};
        SendMessageA(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
    }
}

HWND FormWindow::CreateControl(const ui::Placement& p, const NativeChild::Pushed& state) {
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
    const char* text = CreationText(control);
    HWND hwnd = CreateWindowExA(kind->exStyle, kind->className, text != nullptr ? text : "", style,
                                r.left, r.top, r.width, r.height, hwnd_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(p.id)),
                                GetModuleHandleA(nullptr), nullptr);
    if (hwnd == nullptr)
        return nullptr;
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control)), FALSE);
    Skin(hwnd, *p.control);
    if (image != nullptr)
        AttachImageSubclass(hwnd, *image);
    // Snippets have no length limit: the control's own would cut typed and pasted texts.
    if (control.GetKind() == ui::Kind::Edit)
        SendMessageA(hwnd, EM_SETLIMITTEXT, 0, 0);
    if (control.GetKind() == ui::Kind::HotkeyField)
        AttachHotkeyFieldSubclass(hwnd);
    if (control.GetKind() == ui::Kind::ListView)
        AddColumns(hwnd, static_cast<const ui::ListView&>(control));
    ControlHook::AttachPlain(hwnd); // unless it has a hook of its own
    return hwnd;
}

void FormWindow::MakeFonts(int dpi) {
    font_.reset(CreateDesignFont(dpi));
    LOGFONTA design{};
    GetObjectA(font_.get(), sizeof(design), &design);
    LOGFONTA variant = design;
    variant.lfWeight = FW_BOLD;
    boldFont_.reset(CreateFontIndirectA(&variant));
    variant = design;
    variant.lfUnderline = TRUE;
    linkFont_.reset(CreateFontIndirectA(&variant));
    variant.lfWeight = FW_BOLD;
    boldLinkFont_.reset(CreateFontIndirectA(&variant));
    for (const std::unique_ptr<SkinnedControl>& s : skinned_)
        s->boldFont = static_cast<HFONT>(boldFont_.get());
}

HFONT FormWindow::FontFor(const ui::Control& control) const {
    const auto* label = dynamic_cast<const ui::Label*>(&control);
    if (label == nullptr)
        return static_cast<HFONT>(font_.get());
    const UniqueGdiObject* fonts[2][2] = {{&font_, &linkFont_}, {&boldFont_, &boldLinkFont_}};
    return static_cast<HFONT>(fonts[label->Bold()][label->Underlined()]->get());
}

void FormWindow::Skin(HWND hwnd, ui::Control& control) {
    if (auto* label = dynamic_cast<ui::Label*>(&control); label != nullptr && label->IsLink())
        AttachLinkSubclass(hwnd, *label);
    const ui::Kind kind = control.GetKind();
    if (!form_.Skin() || (kind != ui::Kind::Button && kind != ui::Kind::CheckBox))
        return;
    skinned_.push_back(
        std::make_unique<SkinnedControl>(SkinnedControl{hwnd,
                                                        control,
                                                        *form_.Skin(),
                                                        pictures_,
                                                        static_cast<HFONT>(boldFont_.get()),
                                                        {},
                                                        false,
                                                        {}}));
    AttachSkinSubclass(*skinned_.back());
}

// Whatever makes the control draw itself outside its own painting (a state
// change drawn at once) reaches the window as custom drawing: the skin again.
bool FormWindow::CustomDraw(const NMHDR& header, LRESULT& result) {
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

const NativeChild* FormWindow::FindChild(HWND hwnd) const {
    for (const NativeChild& c : children_)
        if (c.hwnd == hwnd)
            return &c;
    return nullptr;
}

} // namespace pw::win32
