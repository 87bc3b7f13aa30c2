#pragma once

#include "platform/win32/ControlMirror.h"
#include "platform/win32/DrawnControls.h"
#include "platform/win32/SkinSubclass.h"
#include "platform/win32/Unique.h"
#include "ui/Form.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace pw::win32 {

inline ui::Rect ToRect(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The native window behind a portable form: one static, noexcept window
// procedure binds `this` at WM_NCCREATE and dispatches to the window's parts.
// Its jobs each have a file: NativeControls, FormSiteServices, MessageLoop,
// NotificationRoutes, PopupMenus, StaticColors and WindowDpi.
class FormWindow : public ui::FormSite {
public:
    explicit FormWindow(ui::Form& form) : form_(form) {}
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
    void CreateControls();
    HWND Handle() const { return hwnd_; }
    // Drops the native window; the form stays.
    void Destroy() {
        if (hwnd_ != nullptr)
            DestroyWindow(hwnd_);
    }
    // The thread's one message loop, for the main window and each modal form
    // above it: shortcut and dialog keys first, the forms' idle step whenever
    // the queue runs dry. Until `done` holds, or a WM_QUIT with its exit code.
    static std::optional<int> RunMessages(std::initializer_list<FormWindow*> windows,
                                          const std::function<bool()>& done);

    // ui::FormSite
    void RequestClose() override { SendMessageA(hwnd_, WM_CLOSE, 0, 0); }
    void PostMinimize() override { PostMessageA(hwnd_, WM_SYSCOMMAND, SC_MINIMIZE, 0); }
    void ShowWindow() override { ::ShowWindow(hwnd_, SW_SHOW); }
    void RestoreIfMinimized() override {
        if (IsIconic(hwnd_))
            ::ShowWindow(hwnd_, SW_RESTORE);
    }
    void BringToFront() override { SetForegroundWindow(hwnd_); }
    void Quit() override { PostQuitMessage(0); }
    void Focus(const ui::Control& control) override;
    void SetTopmost(bool on) override {
        SetWindowPos(hwnd_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    void SetPlacement(const ui::WindowPlacement& placement, bool centred) override;
    ui::WindowPlacement GetPlacement() const override;
    // How to show the window the first time, after SetPlacement.
    int InitialShowCommand() const { return initialShow_; }
    int ClientWidth() const override { return ClientSize().width; }
    ui::Size OuterSize() const override;
    ui::Size ClientSize() const override;
    void SetOuterSize(ui::Size size) override;
    int Dpi() const override;
    // WM_DPICHANGED: the font for the new DPI, and the size the system suggests.
    void ChangeDpi(int dpi, const RECT& suggested);
    void Popup(const ui::PopupMenu& menu, int x, int y) override;
    void RunModal(ui::Form& dialog) override;
    void HideWindow() override { ::ShowWindow(hwnd_, SW_HIDE); }
    bool IsMinimized() const override { return IsIconic(hwnd_) != FALSE; }
    bool IsMaximized() const override { return IsZoomed(hwnd_) != FALSE; }
    // As a tool window; the other extended styles stay as they are.
    void SetTaskbarButtonHidden(bool hidden) override {
        const LONG style = GetWindowLongA(hwnd_, GWL_EXSTYLE);
        SetWindowLongA(hwnd_, GWL_EXSTYLE,
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
    // Window-specific messages first; return true when handled.
    virtual bool HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
    // WM_CLOSE: return false to keep the window.
    virtual bool OnClose();
    virtual void OnDestroy() {}
    // The control's window, if it has one.
    HWND ChildOf(const ui::Control& control) const;
    // Controls placed while it lasts move, or are drawn again, once, at its end.
    class LayoutPass {
    public:
        explicit LayoutPass(FormWindow& window) : window_(window) {
            window_.mirror_.BeginPass();
            window_.drawn_.BeginPass();
        }
        ~LayoutPass() {
            window_.drawn_.EndPass();
            window_.mirror_.EndPass();
        }
        LayoutPass(const LayoutPass&) = delete;
        LayoutPass& operator=(const LayoutPass&) = delete;

    private:
        FormWindow& window_;
    }; // Labels and pictures drawn by the window itself, without windows of their own.
    void DrawLabelsAndPictures() { drawsLabelsAndPictures_ = true; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    bool TranslateShortcut(const MSG& msg);
    // WM_COMMAND and WM_NOTIFY of a control, to its object.
    bool RouteNotification(UINT msg, WPARAM wp, LPARAM lp);
    bool OnContextMenu(HWND source, LPARAM lp);
    // WM_CTLCOLORSTATIC: false leaves the control to the system's colours.
    bool PaintStatic(HDC dc, const ui::Control& control, LRESULT& result);
    // A child window for each control object of the design, in the design's
    // font, with its hint as a tooltip; the mirror gives each its state.
    void CreateControls(int dpi);
    int frameDpi_ = 0;
    HWND CreateControl(const ui::Placement& p, const NativeChild::Pushed& state);
    static const char* CreationText(const ui::Control& control);
    ui::Rect BoundsAtCreation(const ui::Placement& p, int dpi) const;
    // Hints come a moment after the pointer first comes over the window: the
    // tooltip window and its tools cost a window of their own, which a
    // start-up under the pointer would otherwise pay before it can be used.
    void WantTooltips();
    static constexpr UINT_PTR kTooltipTimer = 1;
    void CreateTooltips();
    // Whether the pointer is over a drawn link or an image that opens something.
    bool HandOver() const;
    void PaintSkinnedChildren(HDC dc, const RECT& dirty);
    // The design font for the DPI, with its bold and underlined variants.
    void MakeFonts(int dpi);
    HFONT FontFor(const ui::Control& control) const;
    // Skinned push buttons, check boxes and link labels.
    void Skin(HWND hwnd, ui::Control& control);
    // The owner-drawn items of a skinned popup menu.
    bool MeasureMenuItem(MEASUREITEMSTRUCT& item);
    bool DrawMenuItem(const DRAWITEMSTRUCT& item);
    LRESULT MenuChar(char key) const;
    bool CustomDraw(const NMHDR& header, LRESULT& result);
    const NativeChild* FindChild(HWND hwnd) const;
    // WM_NCDESTROY: the window is gone, the form and its objects stay.
    void Teardown();
    // The first unexpected error only: a message box runs a loop of its own,
    // in which a failing handler would fail again.
    void ReportError(const char* what) noexcept;

    ui::Form& form_;
    HWND hwnd_ = nullptr;
    std::vector<NativeChild> children_;
    UniqueGdiObject font_;
    UniqueGdiObject boldFont_;
    UniqueGdiObject linkFont_;
    UniqueGdiObject boldLinkFont_;
    UniqueGdiObject menuFont_;
    SkinPictures pictures_;
    std::vector<std::unique_ptr<SkinnedControl>> skinned_;
    // The popup menu on the screen, while it is.
    const ui::PopupMenu* shownMenu_ = nullptr;
    ControlMirror mirror_{children_};
    // One brush per colour of the labels and picture placeholders.
    std::map<std::uint32_t, UniqueGdiObject> brushes_;
    bool errorReported_ = false;
    enum class Tooltips { None, Waiting, Made };
    Tooltips tooltips_ = Tooltips::None;
    bool drawsLabelsAndPictures_ = false;
    DrawnControls drawn_{hwnd_, [this](const ui::Control& control) { return FontFor(control); }};
    int initialShow_ = SW_SHOW;
};

} // namespace pw::win32
