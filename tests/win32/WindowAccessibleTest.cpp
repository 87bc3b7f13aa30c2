// The main window's accessible object, asked as a screen reader asks it, in-process: this
// Wine gives no accessible object across processes.
#include "about/WebAddresses.h"
#include "app/TfrmMain.h"
#include "platform/win32/FormWindow.h"
#include "support/FakeDesktop.h"

#include <windows.h>

#include <ole2.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace pw::win32 {
namespace {

// The main window's design on a window that draws its labels and pictures, as the program's
// main window does; its services are the test's fakes.
class DrawingMainWindow : public FormWindow {
public:
    explicit DrawingMainWindow(ui::Form& form) : FormWindow(form) { DrawLabelsAndPictures(); }
};

VARIANT Child(long id) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::wstring NameOf(IAccessible& object, long id) {
    BSTR name = nullptr;
    std::wstring result;
    if (SUCCEEDED(object.get_accName(Child(id), &name)) && name != nullptr)
        result = name;
    SysFreeString(name);
    return result;
}

long RoleOf(IAccessible& object, long id) {
    VARIANT role{};
    return SUCCEEDED(object.get_accRole(Child(id), &role)) && role.vt == VT_I4 ? role.lVal : -1;
}

void Pump() {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

class WindowAccessibleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        ASSERT_TRUE(window.Create(nullptr, nullptr, WS_POPUP, 0));
        ShowWindow(window.Handle(), SW_SHOWNA);
        Pump();
    }
    void TearDown() override {
        window.Destroy();
        CoUninitialize();
    }
    test::FakeDesktop desktop;
    TfrmMain form{desktop};
    DrawingMainWindow window{form};
};

TEST_F(WindowAccessibleTest, TheDrawnControlsAreNamedPlacedAndActedOn) {
    IAccessible* object = nullptr;
    ASSERT_TRUE(SUCCEEDED(AccessibleObjectFromWindow(
        window.Handle(), OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object))));
    ASSERT_NE(object, nullptr);
    long count = 0;
    ASSERT_EQ(object->get_accChildCount(&count), S_OK);
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    long got = 0;
    ASSERT_TRUE(SUCCEEDED(AccessibleChildren(object, 0, count, children.data(), &got)));
    ASSERT_EQ(got, count);

    // The drawn ones are elements of the window's object; the rest are the objects of the
    // controls' own windows.
    std::map<std::wstring, long> drawn;
    int windowed = 0;
    for (long i = 0; i < got; ++i) {
        VARIANT& child = children[static_cast<std::size_t>(i)];
        if (child.vt == VT_I4) {
            drawn[NameOf(*object, child.lVal)] = child.lVal;
        } else if (child.vt == VT_DISPATCH && child.pdispVal != nullptr) {
            ++windowed;
        }
        VariantClear(&child);
    }
    EXPECT_GE(windowed, 10) << "the entry box, the list, five buttons and three check boxes";
    struct Expected {
        const wchar_t* name;
        long role;
        ui::Control& control;
    };
    const Expected expected[] = {
        {L"Menu", ROLE_SYSTEM_LINK, form.lMenu},
        {L"Check for updates...", ROLE_SYSTEM_LINK, form.lUpdate},
        {L"Donate...", ROLE_SYSTEM_LINK, form.bDonate},
        {L"orvane.example", ROLE_SYSTEM_LINK, form.lTitle},
        {L"Orvane Pastewise home page", ROLE_SYSTEM_GRAPHIC, form.Image1},
        {L"Click to popup the menu", ROLE_SYSTEM_GRAPHIC, form.wsiMenu},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(e.name)));
        ASSERT_TRUE(drawn.contains(e.name));
        const long id = drawn[e.name];
        EXPECT_EQ(RoleOf(*object, id), e.role);
        BSTR action = nullptr;
        ASSERT_EQ(object->get_accDefaultAction(Child(id), &action), S_OK);
        EXPECT_EQ(std::wstring(action), L"Click");
        SysFreeString(action);
        // On the screen where it is drawn, and found there by pointing at it.
        const ui::Rect b = e.control.Bounds();
        POINT at{b.left, b.top};
        ClientToScreen(window.Handle(), &at);
        long left = 0, top = 0, width = 0, height = 0;
        ASSERT_EQ(object->accLocation(&left, &top, &width, &height, Child(id)), S_OK);
        EXPECT_EQ(left, at.x);
        EXPECT_EQ(top, at.y);
        EXPECT_EQ(width, b.width);
        EXPECT_EQ(height, b.height);
        VARIANT hit{};
        ASSERT_EQ(object->accHitTest(at.x + b.width / 2, at.y + b.height / 2, &hit), S_OK);
        EXPECT_EQ(hit.vt, VT_I4);
        EXPECT_EQ(hit.lVal, id);
    }
    EXPECT_TRUE(drawn.contains(L"Multiple hotkeys, each pastes saved text."));

    // The default action is the click's, run once the reader's call has returned.
    struct Action {
        const wchar_t* name;
        std::string page;
    };
    const Action actions[] = {{L"Donate...", kDonationPage},
                              {L"Check for updates...", kUpdatePage},
                              {L"Orvane Pastewise home page", kProductHomePage}};
    for (const Action& a : actions) {
        desktop.webPages.clear();
        ASSERT_EQ(object->accDoDefaultAction(Child(drawn[a.name])), S_OK);
        EXPECT_TRUE(desktop.webPages.empty()) << "not within the reader's call";
        Pump();
        EXPECT_EQ(desktop.webPages, std::vector<std::string>{"hourglass " + a.page});
    }
    form.bDonate.SetEnabled(false);
    EXPECT_NE(object->accDoDefaultAction(Child(drawn[L"Donate..."])), S_OK);
    VARIANT state{};
    ASSERT_EQ(object->get_accState(Child(drawn[L"Donate..."]), &state), S_OK);
    EXPECT_NE(state.lVal & STATE_SYSTEM_UNAVAILABLE, 0);

    // A reader that holds the object past the window's end is told it is gone.
    window.Destroy();
    EXPECT_TRUE(FAILED(object->get_accChildCount(&count)));
    EXPECT_TRUE(FAILED(object->accDoDefaultAction(Child(1))));
    object->Release();
}

} // namespace
} // namespace pw::win32
