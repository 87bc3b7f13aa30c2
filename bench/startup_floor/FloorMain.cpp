// The floor the start-up benchmark compares the program with: the least a
// window like the main one costs under the same conditions. Common controls
// v6 (the program's manifest), the settings-folder lookup, a top-level window
// with a report list view of 10 rows, shown and waiting for input.
//
// With --main-window-controls it also has the other windows the main window
// is made of, plain and in the design's font: the entry box, the six push
// buttons and three check boxes, and the list view styled as the program's
// (three columns, grid lines, whole-row selection). That shows what those
// windows cost by themselves, apart from the program's own work.
#include "app/MainIds.h"

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <utility>
#include <span>

namespace {

LRESULT CALLBACK FloorProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

struct Box {
    int left, top, width, height;
};

struct Child {
    const char* className;
    const char* text;
    DWORD style;
    DWORD exStyle;
    Box at;
};

constexpr Child kMainWindowChildren[] = {
    {"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, {16, 73, 399, 21}},
    {"BUTTON", "&Add", WS_TABSTOP | BS_PUSHBUTTON, 0, {428, 71, 72, 27}},
    {"BUTTON",
     "Enable auto copy from clipboard",
     WS_TABSTOP | BS_AUTOCHECKBOX,
     0,
     {16, 122, 175, 21}},
    {"BUTTON",
     "Auto-add clipboard text to list",
     WS_TABSTOP | BS_AUTOCHECKBOX,
     0,
     {210, 122, 159, 21}},
    {"BUTTON", "Always on Top", WS_TABSTOP | BS_AUTOCHECKBOX, 0, {418, 122, 93, 21}},
    {"BUTTON", "&Edit", WS_TABSTOP | BS_PUSHBUTTON, 0, {158, 389, 60, 27}},
    {"BUTTON", "&Up", WS_TABSTOP | BS_PUSHBUTTON, 0, {229, 389, 60, 27}},
    {"BUTTON", "&Down", WS_TABSTOP | BS_PUSHBUTTON, 0, {304, 389, 60, 27}},
    {"BUTTON", "&Remove", WS_TABSTOP | BS_PUSHBUTTON, 0, {379, 389, 60, 27}},
    {"BUTTON", "E&xit", WS_TABSTOP | BS_PUSHBUTTON, 0, {450, 389, 60, 27}},
};

void AddMainWindowControls(HWND main, HWND list, HINSTANCE instance) {
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                             0, "MS Sans Serif");
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_INFOTIP);
    for (const Child& c : kMainWindowChildren) {
        HWND child = CreateWindowExA(c.exStyle, c.className, c.text,
                                     WS_CHILD | WS_VISIBLE | c.style, c.at.left, c.at.top,
                                     c.at.width, c.at.height, main, nullptr, instance, nullptr);
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    const bool mainWindowControls = std::strstr(commandLine, "--main-window-controls") != nullptr;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    char appData[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "PastewiseStartFloor";
    RegisterClassA(&windowClass);
    HWND main =
        CreateWindowExA(0, windowClass.lpszClassName, appData, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 545, 495, nullptr, nullptr, instance, nullptr);
    const Box listAt = mainWindowControls ? Box{8, 151, 505, 229} : Box{8, 60, 520, 300};
    HWND list = CreateWindowExA(
        WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, listAt.left,
        listAt.top, listAt.width, listAt.height, main,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_LISTVIEW)), instance, nullptr);
    if (mainWindowControls)
        AddMainWindowControls(main, list, instance);
    using Column = std::pair<const char*, int>;
    constexpr Column kOneColumn[] = {{"Content", 400}};
    constexpr Column kMainWindowColumns[] = {{"No.", 40}, {"Content", 375}, {"Hotkey", 65}};
    const std::span<const Column> columns =
        mainWindowControls ? std::span<const Column>(kMainWindowColumns) : kOneColumn;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = columns[i].second;
        column.pszText = const_cast<char*>(columns[i].first);
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    for (int row = 0; row < 10; ++row) {
        std::string text = "Snippet number " + std::to_string(row);
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = text.data();
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    ShowWindow(main, show);
    UpdateWindow(main);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
