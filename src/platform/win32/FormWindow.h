#pragma once

#include "platform/win32/ChildControls.h"
#include "platform/win32/FormAccessibility.h"
#include "platform/win32/FormFonts.h"
#include "platform/win32/FormMenus.h"
#include "platform/win32/FormTooltips.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/MessageRoutes.h"
#include "ui/Form.h"

#include <windows.h>

#include <cstdint>
#include <span>

namespace pw::win32 {

inline ui::Rect ToRect(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The native window behind a portable form. One static window procedure binds
// `this` at WM_NCCREATE and routes each message through the window class's
// table of messages, then this one; the work is its parts': the child
// controls and their fonts, the hints, the popup menus.
class FormWindow : public ui::FormSite, public LoopWindow {
public:
    explicit FormWindow(ui::Form& form);
    ~FormWindow() override { Destroy(); }
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Registers the class on first use and creates the window with its
    // controls, hidden. Returns false when the system refused.
    bool Create(HICON icon, HWND owner, DWORD style, DWORD exStyle);
    // The window alone, for a form that sizes and places it before its
    // controls are made (in their final places, so none is moved twice);
    // CreateControls then makes them.
    bool CreateFrame(HICON icon, HWND owner, DWORD style, DWORD exStyle);
    void CreateControls() { children_.Create(frameDpi_); }
    HWND Handle() const override { return hwnd_; }
    // Drops the native window, running the form's destroy handler; the form stays.
    void Destroy() {
        if (hwnd_ != nullptr)
            DestroyWindow(hwnd_);
    }
    // Shows the window the first time, as SetPlacement left it, and runs the
    // show handler that showing posted at once: the window is visible and
    // active already, and is then painted once, as the handler leaves it.
    void ShowFirstTime(int command);
    int InitialShowCommand() const { return initialShow_; }

    // For the message loop: a key pressed in the window that is one of the
    // form's shortcuts, and the form's idle step.
    bool TranslateShortcut(const MSG& msg) override;
    void Idle() override { form_.Idle(); }

    // ui::FormSite
    void RequestClose() override { SendMessageW(hwnd_, WM_CLOSE, 0, 0); }
    void PostMinimize() override { PostMessageW(hwnd_, WM_SYSCOMMAND, SC_MINIMIZE, 0); }
    void ShowWindow() override { ::ShowWindow(hwnd_, SW_SHOW); }
    void RestoreIfMinimized() override {
        if (IsIconic(hwnd_))
            ::ShowWindow(hwnd_, SW_RESTORE);
    }
    void BringToFront() override { SetForegroundWindow(hwnd_); }
    void Quit() override { PostQuitMessage(0); }
    void Focus(const ui::Control& control) override {
        if (HWND child = children_.WindowOf(control))
            SetFocus(child);
    }
    void SetTopmost(bool on) override {
        SetWindowPos(hwnd_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    void SetPlacement(const ui::WindowPlacement& placement, bool centred) override;
    ui::WindowPlacement GetPlacement() const override;
    int ClientWidth() const override { return ClientSize().width; }
    ui::Size OuterSize() const override {
        const ui::Rect r = WindowBounds();
        return {r.width, r.height};
    }
    ui::Size ClientSize() const override {
        RECT r{};
        GetClientRect(hwnd_, &r);
        return {r.right, r.bottom};
    }
    void SetOuterSize(ui::Size size) override {
        SetWindowPos(hwnd_, nullptr, 0, 0, size.width, size.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    int Dpi() const override;
    void Popup(const ui::PopupMenu& menu, int x, int y) override { menus_.Popup(menu, x, y); }
    void PopupFromKeyboard(const ui::PopupMenu& menu, const ui::Control& below) override;
    void RunModal(ui::Form& dialog) override;
    void HideWindow() override { ::ShowWindow(hwnd_, SW_HIDE); }
    bool IsMinimized() const override { return IsIconic(hwnd_) != FALSE; }
    bool IsMaximized() const override { return IsZoomed(hwnd_) != FALSE; }
    // As a tool window; the other extended styles stay as they are.
    void SetTaskbarButtonHidden(bool hidden) override {
        const LONG style = GetWindowLongW(hwnd_, GWL_EXSTYLE);
        SetWindowLongW(hwnd_, GWL_EXSTYLE,
                       hidden ? style | WS_EX_TOOLWINDOW : style & ~WS_EX_TOOLWINDOW);
    }
    void SetMinimizedPosition(int left, int top) override;
    ui::Rect WindowBounds() const override {
        RECT r{};
        GetWindowRect(hwnd_, &r);
        return ToRect(r);
    }
    void SetWindowBounds(const ui::Rect& r) override {
        SetWindowPos(hwnd_, nullptr, r.left, r.top, r.width, r.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

protected:
    // The window class's own table of messages, routed before this one's.
    virtual bool RouteOwnMessage(const Message&, LRESULT&) { return false; }
    // The control's window, if it has one.
    HWND ChildOf(const ui::Control& control) const { return children_.WindowOf(control); }
    // WM_DPICHANGED: the fonts for the new DPI, and the size the system suggests.
    void ChangeDpi(int dpi, const RECT& suggested);
    // Controls placed while it lasts move, or are drawn again, once, at its end.
    class LayoutPass {
    public:
        explicit LayoutPass(FormWindow& window) : children_(window.children_) {
            children_.BeginPass();
        }
        ~LayoutPass() { children_.EndPass(); }
        LayoutPass(const LayoutPass&) = delete;
        LayoutPass& operator=(const LayoutPass&) = delete;

    private:
        ChildControls& children_;
    };
    // Labels and pictures drawn by the window itself, without windows of their own.
    void DrawLabelsAndPictures() { children_.DrawLabelsAndPictures(); }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    LRESULT Dispatch(const Message& message);
    static std::span<const MessageRoute<FormWindow>> Routes();
    // WM_NCDESTROY: the window is gone, the form and its objects stay.
    void Teardown();

    // The rows of the table, one handler per message.
    bool OnNotify(const Message& m, LRESULT& result);
    bool OnCommand(const Message& m, LRESULT& result);
    bool OnMeasureItem(const Message& m, LRESULT& result);
    bool OnDrawItem(const Message& m, LRESULT& result);
    bool OnMenuChar(const Message& m, LRESULT& result);
    bool OnContextMenu(const Message& m, LRESULT& result);
    bool OnCtlColorStatic(const Message& m, LRESULT& result);
    bool OnSetCursor(const Message& m, LRESULT& result);
    bool OnPaint(const Message& m, LRESULT& result);
    bool OnMouse(const Message& m, LRESULT& result);
    bool OnCaptureKey(const Message& m, LRESULT& result);
    bool OnTimer(const Message& m, LRESULT& result);
    bool OnLookChanged(const Message& m, LRESULT& result);
    bool OnShowWindow(const Message& m, LRESULT& result);
    bool OnShown(const Message& m, LRESULT& result);
    bool OnClose(const Message& m, LRESULT& result);
    bool OnDestroy(const Message& m, LRESULT& result);
    bool OnGetObject(const Message& m, LRESULT& result);
    bool OnAccessibleAction(const Message& m, LRESULT& result);

    ui::Form& form_;
    HWND hwnd_ = nullptr;
    int frameDpi_ = 0;
    int initialShow_ = SW_SHOW;
    FormFonts fonts_;
    ChildControls children_{form_, hwnd_, fonts_};
    FormTooltips tooltips_{hwnd_, children_};
    FormMenus menus_{hwnd_, form_};
    FormAccessibility accessibility_{hwnd_, form_, children_};
};

} // namespace pw::win32
