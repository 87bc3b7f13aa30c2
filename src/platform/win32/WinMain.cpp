#include "app/MainIds.h"
#include "platform/Product.h"
#include "app/TfrmMain.h"
#include "platform/win32/MainWindow.h"
#include "platform/win32/Win32Desktop.h"

#include <windows.h>
#include <commctrl.h>

namespace {

// A second start hands over to the running instance and does nothing else.
bool HandOverToRunningInstance() {
    HWND running = FindWindowA(pw::kMainWindowClass, nullptr);
    if (running == nullptr)
        return false;
    PostMessageA(running, pw::kActivateRequest, 0, 0);
    SetForegroundWindow(running);
    return true;
}

// The message loop; the form's idle step runs whenever the queue runs dry.
int RunMessageLoop(pw::win32::MainWindow& window, pw::TfrmMain& form) {
    MSG msg{};
    for (;;) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                return static_cast<int>(msg.wParam);
            if (window.TranslateShortcut(msg) || IsDialogMessageA(window.Handle(), &msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        form.Idle();
        WaitMessage();
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (HandOverToRunningInstance())
        return 0;

    INITCOMMONCONTROLSEX icc{sizeof(icc),
                             ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);

    pw::win32::Win32Desktop desktop;
    pw::TfrmMain form(desktop);
    pw::win32::MainWindow window(form);
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PASTEWISE));
    if (!window.Create(icon, nullptr, WS_OVERLAPPEDWINDOW, 0)) {
        MessageBoxA(nullptr, "The main window could not be created.", pw::kMessageCaption,
                    MB_ICONERROR | MB_OK);
        return 1;
    }
    desktop.SetMainWindow(window.Handle());
    form.FormCreate();

    ShowWindow(window.Handle(), window.InitialShowCommand());
    form.FormShow();
    UpdateWindow(window.Handle());

    const int code = RunMessageLoop(window, form);
    window.Destroy();
    return code;
}
