#include "platform/win32/FormWindow.h"

#include "platform/win32/Unique.h"
#include "hotkeys/HotkeyField.h"
#include "platform/Product.h"
#include "ui/ListView.h"

#include <commctrl.h>

#include <string>

namespace pw::win32 {

namespace {

struct NativeKind {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

NativeKind NativeKindOf(ui::Kind kind) {
    switch (kind) {
    case ui::Kind::Label:
        return {"STATIC", SS_LEFT | SS_NOTIFY, 0};
    case ui::Kind::Button:
        return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ui::Kind::Edit:
    case ui::Kind::HotkeyField:
        return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ui::Kind::CheckBox:
        return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ui::Kind::GroupBox:
        return {"BUTTON", BS_GROUPBOX, 0};
    case ui::Kind::ListView:
        return {WC_LISTVIEWA,
                LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
                WS_EX_CLIENTEDGE};
    case ui::Kind::Image:
        return {"STATIC", SS_NOTIFY, 0};
    case ui::Kind::MenuItem:
        break;
    }
    return {nullptr, 0, 0};
}

// The designs are laid out for MS Sans Serif at 8 points.
HFONT CreateDesignFont() {
    return CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
}

std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

void ReportOnce(const char* what) {
    static bool reported = false;
    if (reported)
        return;
    reported = true;
    MessageBoxA(nullptr, what, kMessageCaption, MB_ICONERROR | MB_OK);
}

} // namespace

FormWindow::~FormWindow() {
    Destroy();
}

void FormWindow::Destroy() {
    if (hwnd_ != nullptr)
        DestroyWindow(hwnd_);
}

bool FormWindow::Create(HICON icon, HWND owner, DWORD style, DWORD exStyle) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const char* className = form_.WindowClass().c_str();
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExA(instance, className, &wc) == FALSE) {
        wc = WNDCLASSEXA{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &FormWindow::WindowProc;
        wc.hInstance = instance;
        wc.hIcon = icon;
        wc.hIconSm = icon;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = className;
        if (RegisterClassExA(&wc) == 0)
            return false;
    }
    RECT frame{0, 0, form_.DesignWidth(), form_.DesignHeight()};
    if (form_.DesignSizeIsClient())
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    if (const auto at = form_.DesignPosition()) {
        x = at->left;
        y = at->top;
    }
    RECT ownerFrame{};
    if (form_.CentredOnOwner() && owner != nullptr && GetWindowRect(owner, &ownerFrame)) {
        x = ownerFrame.left + (ownerFrame.right - ownerFrame.left - (frame.right - frame.left)) / 2;
        y = ownerFrame.top + (ownerFrame.bottom - ownerFrame.top - (frame.bottom - frame.top)) / 2;
    }
    hwnd_ = CreateWindowExA(exStyle, className, form_.Caption().c_str(), style, x, y,
                            frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                            instance, this);
    if (hwnd_ == nullptr)
        return false;
    form_.AttachSite(this);
    form_.OnCaptionChanged = [this] { SetWindowTextA(hwnd_, form_.Caption().c_str()); };
    CreateChildren();
    return true;
}

void FormWindow::CreateChildren() {
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    font_.reset(CreateDesignFont());
    children_.reserve(form_.Controls().size());
    for (const ui::Placement& p : form_.Controls()) {
        HWND hwnd = CreateChild(p);
        if (hwnd == nullptr)
            continue;
        children_.push_back({p, hwnd});
        const std::size_t slot = children_.size() - 1;
        p.control->SetObserver([this, slot](ui::Change what, int index) {
            if (!syncing_)
                Push(children_[slot], what, index);
        });
        if (!p.control->Hint().empty())
            AddHint(hwnd, p.control->Hint());
    }
    StackBackgroundsLast();
}

// Group frames and pictures lie under the controls drawn on them. Going
// backwards keeps the first of them (the banner) lowest.
void FormWindow::StackBackgroundsLast() {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        const ui::Kind kind = it->placement.control->GetKind();
        if (kind == ui::Kind::GroupBox || kind == ui::Kind::Image)
            SetWindowPos(it->hwnd, HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

HBRUSH FormWindow::Brush(ui::Color color) {
    const std::uint32_t key = RGB(color.r, color.g, color.b);
    auto it = brushes_.find(key);
    if (it == brushes_.end())
        it = brushes_.emplace(key, UniqueGdiObject(CreateSolidBrush(key))).first;
    return static_cast<HBRUSH>(it->second.get());
}

HWND FormWindow::CreateChild(const ui::Placement& p) {
    NativeKind kind = NativeKindOf(p.control->GetKind());
    if (kind.className == nullptr)
        return nullptr;
    const auto* image = dynamic_cast<const ui::Image*>(p.control);
    if (image != nullptr) {
        if (!image->HasPicture())
            return nullptr; // nothing to show until its picture exists
        if (image->IconId() != 0)
            kind.style |= SS_ICON | SS_CENTERIMAGE;
    }
    std::string text;
    if (auto* t = dynamic_cast<const ui::TextControl*>(p.control))
        text = t->Text();
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style;
    if (p.control->Visible())
        style |= WS_VISIBLE;
    if (!p.control->Enabled())
        style |= WS_DISABLED;
    HWND hwnd = CreateWindowExA(kind.exStyle, kind.className, text.c_str(), style, 0, 0, 0, 0,
                                hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(p.id)),
                                GetModuleHandleA(nullptr), nullptr);
    if (hwnd == nullptr)
        return nullptr;
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    if (image != nullptr && image->IconId() != 0) {
        HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                                   MAKEINTRESOURCEA(image->IconId()), IMAGE_ICON,
                                                   32, 32, LR_DEFAULTCOLOR | LR_SHARED));
        SendMessageA(hwnd, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }

    if (auto* list = dynamic_cast<const ui::ListView*>(p.control)) {
        SendMessageA(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                     LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_INFOTIP);
        int index = 0;
        for (const ui::Column& c : list->Columns()) {
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            column.pszText = const_cast<char*>(c.caption.c_str());
            column.cx = c.width;
            column.iSubItem = index;
            SendMessageA(hwnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&column));
            ++index;
        }
        SendMessageA(hwnd, LVM_SETITEMCOUNT, static_cast<WPARAM>(list->RowCount()), 0);
    }
    if (auto* box = dynamic_cast<const ui::CheckBox*>(p.control))
        SendMessageA(hwnd, BM_SETCHECK, box->Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    if (auto* field = dynamic_cast<HotkeyField*>(p.control))
        SetWindowSubclass(hwnd, &FormWindow::HotkeyFieldProc, 0,
                          reinterpret_cast<DWORD_PTR>(field));

    Child child{p, hwnd};
    PushBounds(child);
    return hwnd;
}

void FormWindow::AddHint(HWND child, const std::string& hint) {
    if (tooltip_ == nullptr)
        return;
    TOOLINFOA info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = hwnd_;
    info.uId = reinterpret_cast<UINT_PTR>(child);
    info.lpszText = const_cast<char*>(hint.c_str());
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void FormWindow::PushBounds(const Child& child) {
    ui::Rect r = child.placement.control->Bounds();
    // Controls of a group sit on the window with the group's offset, so their
    // notifications reach this window directly.
    if (child.placement.parent != nullptr) {
        const ui::Rect parent = child.placement.parent->Bounds();
        r.left += parent.left;
        r.top += parent.top;
    }
    MoveWindow(child.hwnd, r.left, r.top, r.width, r.height, TRUE);
}

void FormWindow::Push(const Child& child, ui::Change what, int index) {
    const ui::Control& control = *child.placement.control;
    HWND hwnd = child.hwnd;
    switch (what) {
    case ui::Change::State:
        EnableWindow(hwnd, control.Enabled() ? TRUE : FALSE);
        ::ShowWindow(hwnd, control.Visible() ? SW_SHOWNA : SW_HIDE);
        PushBounds(child);
        if (auto* box = dynamic_cast<const ui::CheckBox*>(&control))
            SendMessageA(hwnd, BM_SETCHECK, box->Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case ui::Change::Text:
        if (auto* t = dynamic_cast<const ui::TextControl*>(&control))
            SetWindowTextA(hwnd, t->Text().c_str());
        break;
    case ui::Change::Items:
        if (auto* list = dynamic_cast<const ui::ListView*>(&control)) {
            SendMessageA(hwnd, LVM_SETITEMCOUNT, static_cast<WPARAM>(list->RowCount()),
                         LVSICF_NOSCROLL);
            InvalidateRect(hwnd, nullptr, TRUE);
            PushSelection(hwnd, control);
        }
        break;
    case ui::Change::Item:
        SendMessageA(hwnd, LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
        break;
    case ui::Change::Selection:
        PushSelection(hwnd, control);
        break;
    case ui::Change::Columns:
        if (auto* list = dynamic_cast<const ui::ListView*>(&control)) {
            int i = 0;
            for (const ui::Column& c : list->Columns())
                SendMessageA(hwnd, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(i++), c.width);
        }
        break;
    }
}

void FormWindow::PushSelection(HWND list, const ui::Control& control) {
    const auto* view = dynamic_cast<const ui::ListView*>(&control);
    if (view == nullptr)
        return;
    const int selected = view->Selected();
    const int shown = static_cast<int>(
        SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (shown == selected)
        return;
    const bool wasSyncing = std::exchange(syncing_, true);
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    if (selected >= 0) {
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(selected),
                     reinterpret_cast<LPARAM>(&item));
        SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(selected), FALSE);
    }
    syncing_ = wasSyncing;
}

const FormWindow::Child* FormWindow::FindChild(HWND hwnd) const {
    for (const Child& c : children_)
        if (c.hwnd == hwnd)
            return &c;
    return nullptr;
}

const FormWindow::Child* FormWindow::FindChild(int id) const {
    for (const Child& c : children_)
        if (c.placement.id == id)
            return &c;
    return nullptr;
}

bool FormWindow::OnCommand(WPARAM wp, LPARAM lp) {
    if (lp == 0)
        return false; // menus and accelerators: nothing routes here
    const Child* child = FindChild(reinterpret_cast<HWND>(lp));
    if (child == nullptr)
        return false;
    ui::Control& control = *child->placement.control;
    const UINT code = HIWORD(wp);
    if (auto* box = dynamic_cast<ui::CheckBox*>(&control)) {
        if (code == BN_CLICKED)
            box->SetChecked(SendMessageA(child->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED);
        return true;
    }
    if (auto* button = dynamic_cast<ui::Button*>(&control)) {
        if (code == BN_CLICKED)
            button->Click();
        return true;
    }
    if (auto* label = dynamic_cast<ui::Label*>(&control)) {
        if (code == STN_CLICKED && label->OnClick)
            label->OnClick();
        return true;
    }
    if (auto* edit = dynamic_cast<ui::Edit*>(&control)) {
        if (code == EN_CHANGE) {
            const bool wasSyncing = std::exchange(syncing_, true);
            edit->SetText(WindowText(child->hwnd));
            syncing_ = wasSyncing;
        }
        return true;
    }
    return false;
}

bool FormWindow::OnNotify(const NMHDR& header, LRESULT& result) {
    const Child* child = FindChild(header.hwndFrom);
    if (child == nullptr)
        return false;
    auto* list = dynamic_cast<ui::ListView*>(child->placement.control);
    if (list == nullptr)
        return false;
    switch (header.code) {
    case LVN_GETDISPINFOA: {
        auto& info = reinterpret_cast<NMLVDISPINFOA&>(const_cast<NMHDR&>(header));
        if ((info.item.mask & LVIF_TEXT) != 0 && info.item.pszText != nullptr &&
            info.item.cchTextMax > 0) {
            const std::string& cell = list->Cell(info.item.iItem, info.item.iSubItem);
            const std::size_t n =
                std::min(cell.size(), static_cast<std::size_t>(info.item.cchTextMax - 1));
            cell.copy(info.item.pszText, n);
            info.item.pszText[n] = '\0';
        }
        result = 0;
        return true;
    }
    case LVN_ITEMCHANGED: {
        result = 0;
        if (syncing_)
            return true; // our own push: the object already holds the truth
        const int shown = static_cast<int>(
            SendMessageA(child->hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        const bool wasSyncing = std::exchange(syncing_, true);
        list->Select(shown);
        syncing_ = wasSyncing;
        result = 0;
        return true;
    }
    case NM_DBLCLK:
        if (list->OnDblClick)
            list->OnDblClick();
        result = 0;
        return true;
    default:
        return false;
    }
}

bool FormWindow::OnContextMenu(HWND source, LPARAM lp) {
    const Child* child = FindChild(source);
    if (child == nullptr || child->placement.control->ContextMenu() == nullptr)
        return false;
    int x = static_cast<short>(LOWORD(lp));
    int y = static_cast<short>(HIWORD(lp));
    if (x == -1 && y == -1) { // from the keyboard: open at the control
        RECT r{};
        GetWindowRect(source, &r);
        x = r.left;
        y = r.top;
    }
    Popup(*child->placement.control->ContextMenu(), x, y);
    return true;
}

bool FormWindow::OnCtlColorStatic(HDC dc, HWND source, LRESULT& result) {
    const Child* child = FindChild(source);
    if (child == nullptr)
        return false;
    if (auto* image = dynamic_cast<const ui::Image*>(child->placement.control)) {
        if (!image->Fill())
            return false;
        result = reinterpret_cast<LRESULT>(Brush(*image->Fill()));
        return true;
    }
    auto* label = dynamic_cast<const ui::Label*>(child->placement.control);
    if (label == nullptr || (!label->FontColor() && !label->BackColor()))
        return false;
    if (const auto c = label->FontColor())
        SetTextColor(dc, RGB(c->r, c->g, c->b));
    SetBkMode(dc, TRANSPARENT);
    result = reinterpret_cast<LRESULT>(label->BackColor() ? Brush(*label->BackColor())
                                                          : GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

namespace {

bool KeyHeld(int vk) {
    return (GetKeyState(vk) & 0x8000) != 0;
}

} // namespace

// The capture field takes every key press itself, Alt combinations included,
// and lets no character, paste or editing command change its text.
LRESULT CALLBACK FormWindow::HotkeyFieldProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                             DWORD_PTR data) noexcept {
    auto* field = reinterpret_cast<HotkeyField*>(data);
    try {
        switch (msg) {
        case WM_GETDLGCODE: {
            const auto* pending = reinterpret_cast<const MSG*>(lp);
            if (pending != nullptr && pending->message == WM_KEYDOWN &&
                !HotkeyField::TakesKey(static_cast<std::uint16_t>(pending->wParam),
                                       KeyHeld(VK_CONTROL)))
                return DefSubclassProc(hwnd, msg, wp, lp) & ~DLGC_WANTTAB;
            return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (!HotkeyField::TakesKey(static_cast<std::uint16_t>(wp), KeyHeld(VK_CONTROL)))
                break;
            field->KeyDown(static_cast<std::uint16_t>(wp), KeyHeld(VK_CONTROL), KeyHeld(VK_SHIFT),
                           KeyHeld(VK_MENU) || (msg == WM_SYSKEYDOWN && (lp & (1 << 29)) != 0));
            return 0;
        case WM_SYSKEYUP: // keeps a released Alt from opening the window menu
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_DEADCHAR:
        case WM_SYSDEADCHAR:
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
        case WM_UNDO:
        case WM_CONTEXTMENU:
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &FormWindow::HotkeyFieldProc, 0);
            break;
        default:
            break;
        }
    } catch (...) {
        ReportOnce("Unexpected error in the hotkey field.");
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

bool FormWindow::OnClose() {
    if (!form_.OnCloseRequest)
        return true;
    form_.OnCloseRequest();
    return false; // a modal form's window goes when its loop ends
}

bool FormWindow::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT FormWindow::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (HandleMessage(msg, wp, lp, result))
        return result;
    switch (msg) {
    case WM_COMMAND:
        if (OnCommand(wp, lp))
            return 0;
        break;
    case WM_NOTIFY:
        if (OnNotify(*reinterpret_cast<const NMHDR*>(lp), result))
            return result;
        break;
    case WM_CONTEXTMENU:
        if (OnContextMenu(reinterpret_cast<HWND>(wp), lp))
            return 0;
        break;
    case WM_CTLCOLORSTATIC:
        if (OnCtlColorStatic(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp), result))
            return result;
        break;
    case WM_CLOSE:
        if (!OnClose())
            return 0;
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lp);
        auto* self = static_cast<FormWindow*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcA(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        for (const Child& c : self->children_)
            c.placement.control->SetObserver(nullptr);
        self->form_.OnCaptionChanged = nullptr;
        self->form_.AttachSite(nullptr);
        self->children_.clear();
        self->hwnd_ = nullptr;
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    // Exceptions cannot unwind through user32's frames: stop them here.
    try {
        return self->Dispatch(msg, wp, lp);
    } catch (const std::exception& e) {
        ReportOnce(e.what());
    } catch (...) {
        ReportOnce("Unexpected error.");
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// --- ui::FormSite ---

void FormWindow::RequestClose() {
    SendMessageA(hwnd_, WM_CLOSE, 0, 0);
}

void FormWindow::PostMinimize() {
    PostMessageA(hwnd_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void FormWindow::ShowWindow() {
    ::ShowWindow(hwnd_, SW_SHOW);
}

void FormWindow::RestoreIfMinimized() {
    if (IsIconic(hwnd_))
        ::ShowWindow(hwnd_, SW_RESTORE);
}

void FormWindow::BringToFront() {
    SetForegroundWindow(hwnd_);
}

void FormWindow::Quit() {
    PostQuitMessage(0);
}

void FormWindow::Focus(const ui::Control& control) {
    for (const Child& c : children_)
        if (c.placement.control == &control)
            SetFocus(c.hwnd);
}

void FormWindow::SetTopmost(bool on) {
    SetWindowPos(hwnd_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FormWindow::RunModal(ui::Form& dialog) {
    dialog.SetModalResult(ui::ModalResult::None);
    FormWindow window(dialog);
    if (!window.Create(nullptr, hwnd_, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS,
                       WS_EX_DLGMODALFRAME)) {
        MessageBoxA(hwnd_, "The window could not be created.", kMessageCaption,
                    MB_ICONERROR | MB_OK);
        return;
    }
    EnableWindow(hwnd_, FALSE);
    if (dialog.OnShow)
        dialog.OnShow();
    ::ShowWindow(window.Handle(), SW_SHOW);
    SetFocus(GetNextDlgTabItem(window.Handle(), nullptr, FALSE));

    // Hotkeys and everything else of the thread keep being handled meanwhile.
    MSG msg{};
    while (dialog.GetModalResult() == ui::ModalResult::None && window.Handle() != nullptr) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            form_.Idle();
            dialog.Idle();
            WaitMessage();
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // for the outer loop
            break;
        }
        if (IsDialogMessageA(window.Handle(), &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // The owner first, so the activation goes back to it, not elsewhere.
    EnableWindow(hwnd_, TRUE);
    window.Destroy();
    SetActiveWindow(hwnd_);
}

bool FormWindow::TranslateShortcut(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || hwnd_ == nullptr ||
        (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd)))
        return false;
    const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    for (const ui::Form::Shortcut& s : form_.Shortcuts()) {
        if (s.vk == msg.wParam && s.ctrl == ctrl) {
            s.action->Execute();
            return true;
        }
    }
    return false;
}

void FormWindow::SetPlacement(const ui::WindowPlacement& placement, bool centred) {
    RECT normal{placement.bounds.left, placement.bounds.top,
                placement.bounds.left + placement.bounds.width,
                placement.bounds.top + placement.bounds.height};
    if (centred) {
        RECT work{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        const int width = normal.right - normal.left;
        const int height = normal.bottom - normal.top;
        normal.left = work.left + (work.right - work.left - width) / 2;
        normal.top = work.top + (work.bottom - work.top - height) / 2;
        normal.right = normal.left + width;
        normal.bottom = normal.top + height;
    }
    // Hidden still: the bounds now, the maximized state when first shown.
    SetWindowPos(hwnd_, nullptr, normal.left, normal.top, normal.right - normal.left,
                 normal.bottom - normal.top, SWP_NOZORDER | SWP_NOACTIVATE);
    initialShow_ = placement.maximized ? SW_SHOWMAXIMIZED : SW_SHOW;
}

ui::WindowPlacement FormWindow::GetPlacement() const {
    ui::WindowPlacement p;
    RECT r{};
    GetWindowRect(hwnd_, &r);
    p.bounds = {r.left, r.top, r.right - r.left, r.bottom - r.top};
    p.maximized = IsZoomed(hwnd_) != FALSE;
    WINDOWPLACEMENT wp{};
    wp.length = sizeof(wp);
    if (GetWindowPlacement(hwnd_, &wp)) {
        const RECT& n = wp.rcNormalPosition;
        p.normal = {n.left, n.top, n.right - n.left, n.bottom - n.top};
    } else {
        p.normal = p.bounds;
    }
    // A minimized window stores where it was before, not the icon's place.
    if (IsIconic(hwnd_))
        p.bounds = p.normal;
    return p;
}

int FormWindow::ClientWidth() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r.right - r.left;
}

int FormWindow::ClientHeight() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r.bottom - r.top;
}

void FormWindow::Popup(const ui::PopupMenu& menu, int x, int y) {
    form_.Idle(); // availability as of now, not as of the last idle moment
    if (x == -1 && y == -1) {
        POINT at{};
        GetCursorPos(&at);
        x = at.x;
        y = at.y;
    }
    UniqueMenu popup(CreatePopupMenu());
    if (!popup)
        return;
    const auto& items = menu.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ui::MenuItem& item = *items[i];
        if (item.IsSeparator())
            AppendMenuA(popup.get(), MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(popup.get(), MF_STRING | (item.Enabled() ? MF_ENABLED : MF_GRAYED), i + 1,
                        item.Text().c_str());
    }
    const int chosen = static_cast<int>(TrackPopupMenu(
        popup.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, hwnd_, nullptr));
    if (chosen > 0 && static_cast<std::size_t>(chosen) <= items.size())
        items[static_cast<std::size_t>(chosen) - 1]->Click();
}

} // namespace pw::win32
