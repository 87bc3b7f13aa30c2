#pragma once

#include "app/TfrmMain.h"
#include "platform/win32/FormWindow.h"
#include "platform/win32/Win32Desktop.h"

namespace pw::win32 {

// The main window: its own messages, in one table, on top of every form
// window's.
class MainWindow : public FormWindow {
public:
    MainWindow(TfrmMain& form, Win32Desktop& desktop);

protected:
    bool RouteOwnMessage(const Message& m, LRESULT& result) override;

private:
    static std::span<const MessageRoute<MainWindow>> Routes();

    bool OnSize(const Message& m, LRESULT& result);
    bool OnGetMinMaxInfo(const Message& m, LRESULT& result);
    bool OnDpiChanged(const Message& m, LRESULT& result);
    bool OnSysCommand(const Message& m, LRESULT& result);
    // The keyboard to the control that had it; true when given.
    bool OnActivate(const Message& m, LRESULT& result);
    bool OnTrayIcon(const Message& m, LRESULT& result);
    bool OnTaskbarCreated(const Message& m, LRESULT& result);
    bool OnDrawClipboard(const Message& m, LRESULT& result);
    bool OnChangeClipboardChain(const Message& m, LRESULT& result);
    bool OnHotkey(const Message& m, LRESULT& result);
    bool OnRenderFormat(const Message& m, LRESULT& result);
    bool OnRenderAllFormats(const Message& m, LRESULT& result);
    bool OnDestroyClipboard(const Message& m, LRESULT& result);
    bool OnClipboardNotice(const Message& m, LRESULT& result);
    bool OnTimer(const Message& m, LRESULT& result);
    bool OnActivateRequest(const Message& m, LRESULT& result);
    bool OnEndSession(const Message& m, LRESULT& result);

    TfrmMain& form_;
    Win32Desktop& desktop_;
    HWND focusedChild_ = nullptr;
    // Sent to every top-level window when the shell (re)creates the taskbar.
    const UINT taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
};

} // namespace pw::win32
