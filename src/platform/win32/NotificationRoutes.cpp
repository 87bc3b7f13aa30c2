#include "platform/win32/NotificationRoutes.h"

#include "ui/ListView.h"

#include <commctrl.h>

namespace pw::win32 {

namespace {

struct Notice {
    const NativeChild& child;
    ControlMirror& mirror;
    LPARAM lp;
    template <typename T> T& Control() const { return static_cast<T&>(*child.placement.control); }
};

// The kind tells the object's class, so each handler knows what it holds.
struct NotificationRoute {
    ui::Kind kind;
    UINT message;
    UINT code;
    void (*handle)(const Notice& notice);
};

constexpr NotificationRoute kRoutes[] = {
    {ui::Kind::Button, WM_COMMAND, BN_CLICKED,
     [](const Notice& n) { n.Control<ui::Button>().Click(); }},
    {ui::Kind::CheckBox, WM_COMMAND, BN_CLICKED,
     [](const Notice& n) { n.mirror.TakeChecked(n.child); }},
    {ui::Kind::Label, WM_COMMAND, STN_CLICKED,
     [](const Notice& n) {
         if (const auto& onClick = n.Control<ui::Label>().OnClick)
             onClick();
     }},
    {ui::Kind::Image, WM_COMMAND, STN_CLICKED,
     [](const Notice& n) { n.Control<ui::Image>().Click(); }},
    {ui::Kind::Edit, WM_COMMAND, EN_CHANGE, [](const Notice& n) { n.mirror.TakeText(n.child); }},
    {ui::Kind::CaptureField, WM_COMMAND, EN_CHANGE,
     [](const Notice& n) { n.mirror.TakeText(n.child); }},
    // The virtual list view reads the cells it draws where they are.
    {ui::Kind::ListView, WM_NOTIFY, LVN_GETDISPINFOW,
     [](const Notice& n) {
         LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(n.lp)->item;
         if ((item.mask & LVIF_TEXT) != 0)
             item.pszText = n.mirror.CellText(n.child, item.iItem, item.iSubItem);
     }},
    {ui::Kind::ListView, WM_NOTIFY, LVN_ITEMCHANGED,
     [](const Notice& n) { n.mirror.TakeSelection(n.child); }},
    {ui::Kind::ListView, WM_NOTIFY, NM_DBLCLK,
     [](const Notice& n) {
         if (const auto& onDblClick = n.Control<ui::ListView>().OnDblClick)
             onDblClick();
     }},
};

} // namespace

bool RouteNotification(const NativeChild* child, ControlMirror& mirror, UINT msg, WPARAM wp,
                       LPARAM lp) {
    const UINT code = msg == WM_NOTIFY ? reinterpret_cast<const NMHDR*>(lp)->code : HIWORD(wp);
    for (const NotificationRoute& route : kRoutes) {
        if (child != nullptr && route.kind == child->placement.control->GetKind() &&
            route.message == msg && route.code == code) {
            route.handle({*child, mirror, lp});
            return true;
        }
    }
    return false;
}

} // namespace pw::win32
