#include "platform/win32/FormWindow.h"
#include "ui/ListView.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>

namespace pw::win32 {
namespace {

class ListForm : public ui::Form {
public:
    ListForm() {
        SetWindowClass("PwColumnWidthsTest");
        SetDesignSize(300, 200, true);
        Place(list, nullptr, 10, {0, 0, 300, 200});
        list.SetColumns({{"No.", 40}, {"Content", 175}, {"Hotkey", 65}});
    }
    ui::ListView list{"ListView1"};
};

class ListWindow : public FormWindow {
public:
    using FormWindow::FormWindow;
    using FormWindow::LayoutPass;
};

// Counts the widths the list view is given, whoever gives them.
LRESULT CALLBACK CountWidths(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR count) {
    if (msg == LVM_SETCOLUMNWIDTH)
        ++*reinterpret_cast<int*>(count);
    return DefSubclassProc(hwnd, msg, wp, lp);
}

class ColumnWidthsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create(nullptr, nullptr, WS_POPUP, 0));
        list = GetDlgItem(window.Handle(), 10);
        ASSERT_NE(list, nullptr);
        ASSERT_TRUE(SetWindowSubclass(list, &CountWidths, 1, reinterpret_cast<DWORD_PTR>(&sent)));
    }
    void TearDown() override { RemoveWindowSubclass(list, &CountWidths, 1); }
    std::array<int, 3> Shown() const {
        std::array<int, 3> widths{};
        for (int i = 0; i < 3; ++i)
            widths[i] = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, i, 0));
        return widths;
    }
    ListForm form;
    ListWindow window{form};
    HWND list = nullptr;
    int sent = 0;
};

// As the main window's layout does: the Hotkey column scaled, then widened to
// what the other two leave over.
void LayOut(ListWindow& window, ui::ListView& list, int scaled, int widened) {
    const ListWindow::LayoutPass pass(window);
    list.SetColumnWidth(0, 40);
    list.SetColumnWidth(2, scaled);
    list.SetColumnWidth(2, widened);
}

TEST_F(ColumnWidthsTest, APassGivesTheListOnlyTheWidthsItEndsWithThatItDoesNotShowYet) {
    LayOut(window, form.list, 65, 81);
    EXPECT_EQ(Shown(), (std::array<int, 3>{40, 175, 81}));
    EXPECT_EQ(sent, 1) << "only the Hotkey column changed, once";

    sent = 0;
    LayOut(window, form.list, 65, 81); // the same size again
    EXPECT_EQ(sent, 0);

    // A column the user dragged goes back to the layout's width at the next pass.
    SendMessageA(list, LVM_SETCOLUMNWIDTH, 0, 100);
    sent = 0;
    LayOut(window, form.list, 65, 81);
    EXPECT_EQ(Shown(), (std::array<int, 3>{40, 175, 81}));
    EXPECT_EQ(sent, 1);

    // Outside a pass a width goes at once.
    form.list.SetColumnWidth(1, 200);
    EXPECT_EQ(Shown()[1], 200);
}

} // namespace
} // namespace pw::win32
