#include "platform/win32/FormWindow.h"
#include "ui/ListView.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

namespace pw::win32 {
namespace {

struct ListForm : ui::Form {
    ListForm() {
        SetWindowClass("PwColumnWidthsTest");
        SetDesignSize(300, 200, true);
        Place(list, nullptr, 10, {0, 0, 300, 200});
        list.SetColumns({{"No.", 40}, {"Content", 175}, {"Hotkey", 65}});
    }
    ui::ListView list{"ListView1"};
};

struct ListWindow : FormWindow {
    using FormWindow::FormWindow;
    // As the main window's layout does: the Hotkey column scaled, then widened.
    void LayOut(ui::ListView& list) {
        const LayoutPass pass(*this);
        list.SetColumnWidth(0, 40);
        list.SetColumnWidth(2, 65);
        list.SetColumnWidth(2, 81);
    }
};

// Counts the widths the list view is given, whoever gives them.
LRESULT CALLBACK CountWidths(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR n) {
    *reinterpret_cast<int*>(n) += msg == LVM_SETCOLUMNWIDTH ? 1 : 0;
    return DefSubclassProc(hwnd, msg, wp, lp);
}

TEST(ColumnWidths, APassGivesTheListOnlyTheWidthsItEndsWithThatItDoesNotShowYet) {
    ListForm form;
    ListWindow window{form};
    ASSERT_TRUE(window.Create(nullptr, nullptr, WS_POPUP, 0));
    HWND list = GetDlgItem(window.Handle(), 10);
    int sent = 0;
    ASSERT_TRUE(SetWindowSubclass(list, &CountWidths, 1, reinterpret_cast<DWORD_PTR>(&sent)));
    const auto shown = [&](int column) {
        return SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0);
    };

    window.LayOut(form.list);
    EXPECT_EQ(shown(2), 81);
    EXPECT_EQ(sent, 1) << "only the Hotkey column changed, once";
    window.LayOut(form.list); // the same size again
    EXPECT_EQ(sent, 1);
    // A column the user dragged goes back to the layout's width at the next pass.
    SendMessageA(list, LVM_SETCOLUMNWIDTH, 0, 100);
    window.LayOut(form.list);
    EXPECT_EQ(shown(0), 40);
    EXPECT_EQ(sent, 3);
    // Outside a pass a width goes at once.
    form.list.SetColumnWidth(1, 200);
    EXPECT_EQ(shown(1), 200);
}

} // namespace
} // namespace pw::win32
