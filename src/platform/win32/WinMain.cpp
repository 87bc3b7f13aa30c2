#include "app/MainIds.h"
#include "platform/Product.h"
#include "app/TfrmMain.h"
#include "platform/win32/ComApartment.h"
#include "platform/win32/MainWindow.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/SingleInstance.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Desktop.h"

#include <windows.h>
#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const auto claim = pw::win32::ClaimSingleInstance();
    if (!claim)
        return 0;

    // Before any page is opened, and until every window has gone.
    const pw::win32::ComApartment com;

    INITCOMMONCONTROLSEX icc{sizeof(icc),
                             ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);

    pw::win32::Win32Desktop desktop;
    desktop.LookUpAppDataFolderAhead();
    pw::TfrmMain form(desktop);
    pw::win32::MainWindow window(form, desktop);
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PASTEWISE));
    if (!window.CreateFrame(icon, nullptr, WS_OVERLAPPEDWINDOW, 0)) {
        MessageBoxW(nullptr, L"The main window could not be created.",
                    pw::win32::Wide(pw::kMessageCaption).c_str(), MB_ICONERROR | MB_OK);
        return 1;
    }
    desktop.SetMainWindow(window.Handle());
    // The stored list, size and place first: the controls are then made
    // where they belong and show what they hold from the start.
    form.FormCreate();
    window.CreateControls();

    // Showing runs the show handler, as every later showing does.
    window.ShowFirstTime(window.InitialShowCommand());
    UpdateWindow(window.Handle());

    const int code = pw::win32::RunMessages({&window}, [] { return false; }).value_or(0);
    window.Destroy();
    return code;
}
