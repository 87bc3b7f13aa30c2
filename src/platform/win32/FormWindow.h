#pragma once

#include "ui/Form.h"

#include "platform/win32/Unique.h"

#include <windows.h>

#include <map>
#include <vector>

namespace pw::win32 {

// The native window behind a portable form: creates a real control for each
// control object, keeps the two in step and routes notifications to the
// objects. One static window procedure per class binds `this` at WM_NCCREATE.
class FormWindow : public ui::FormSite {
public:
    explicit FormWindow(ui::Form& form) : form_(form) {}
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Registers the class on first use and creates the window with its
    // controls, hidden. Returns false when the system refused.
    bool Create(HICON icon, HWND owner, DWORD style, DWORD exStyle);
    HWND Handle() const { return hwnd_; }
    // Runs the action of a shortcut key pressed anywhere in the window.
    bool TranslateShortcut(const MSG& msg);
    // Drops the native window; the form stays.
    void Destroy();

    // ui::FormSite
    void RequestClose() override;
    void PostMinimize() override;
    void ShowWindow() override;
    void RestoreIfMinimized() override;
    void BringToFront() override;
    void Quit() override;
    void Focus(const ui::Control& control) override;
    void SetTopmost(bool on) override;
    void SetPlacement(const ui::WindowPlacement& placement, bool centred) override;
    ui::WindowPlacement GetPlacement() const override;
    // How to show the window the first time, after SetPlacement.
    int InitialShowCommand() const { return initialShow_; }
    int ClientWidth() const override;
    int ClientHeight() const override;
    void Popup(const ui::PopupMenu& menu, int x, int y) override;
    void RunModal(ui::Form& dialog) override;

protected:
    // Window-specific messages first; return true when handled.
    virtual bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // WM_CLOSE: return false to keep the window.
    virtual bool OnClose();
    virtual void OnDestroy() {}

private:
    struct Child {
        ui::Placement placement;
        HWND hwnd = nullptr;
    };

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    static LRESULT CALLBACK HotkeyFieldProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                            DWORD_PTR field) noexcept;
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    void CreateChildren();
    HWND CreateChild(const ui::Placement& p);
    void AddHint(HWND child, const std::string& hint);
    void Push(const Child& child, ui::Change what, int index);
    void PushBounds(const Child& child);
    void PushSelection(HWND list, const ui::Control& control);
    const Child* FindChild(HWND hwnd) const;
    const Child* FindChild(int id) const;
    bool OnCommand(WPARAM wp, LPARAM lp);
    bool OnNotify(const NMHDR& header, LRESULT& result);
    bool OnContextMenu(HWND source, LPARAM lp);
    bool OnCtlColorStatic(HDC dc, HWND source, LRESULT& result);
    HBRUSH Brush(ui::Color color);
    void StackBackgroundsLast();

    ui::Form& form_;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    std::vector<Child> children_;
    UniqueGdiObject font_;
    std::map<std::uint32_t, UniqueGdiObject> brushes_;
    // Set while native state is copied into the objects, so it is not echoed back.
    bool syncing_ = false;
    int initialShow_ = SW_SHOW;
};

} // namespace pw::win32
