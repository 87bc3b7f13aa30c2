#include "app/MainLayout.h"
#include "app/TfrmMain.h"
#include "ui/DpiScale.h"

#include "support/FakeDesktop.h"
#include "support/MainForm.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace pw {
namespace {

using ui::Rect;
using ui::Size;

// A main window as the binding builds it on a screen of this DPI: the design
// multiplied for the DPI, then the creation handler, which records the layout.
class Window {
public:
    Window(int dpi, Size baseClient, Size frame = {8, 34}) : frame_(frame) {
        frm.window.dpi = dpi;
        SetClient(baseClient);
        frm.ScaleToDpi(dpi);
        frm.FormCreate();
    }
    void SetClient(Size client) {
        frm.window.client = client;
        frm.window.outer = {client.width + frame_.width, client.height + frame_.height};
    }
    void ResizeTo(Size client) {
        SetClient(client);
        frm.FormResize();
    }
    std::vector<int> ColumnWidths() const {
        std::vector<int> widths;
        for (const ui::Column& c : frm.ListView1.Columns())
            widths.push_back(c.width);
        return widths;
    }

    Size frame_;
    test::FakeDesktop desktop;
    test::MainForm frm{desktop};
};

TEST(DpiScale, RoundsHalvesToEvenAndKeepsTheDesignAt96) {
    const struct {
        double value;
        int rounded;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {2.4999, 2}, {2.5001, 3}, {-0.5, 0}, {-1.5, -2}};
    for (const auto& c : cases)
        EXPECT_EQ(ui::RoundHalfEven(c.value), c.rounded) << c.value;
    EXPECT_EQ(ui::ScaleForDpi(Rect{49, 8, 81, 16}, 96), (Rect{49, 8, 81, 16}));
    EXPECT_EQ(ui::ScaleForDpi(Rect{49, 8, 81, 16}, 144), (Rect{74, 12, 122, 24}));
    EXPECT_EQ(ui::ScaleForDpi(Rect{49, 8, 81, 16}, 120), (Rect{61, 10, 101, 20}));
}

// At each DPI, at the size the window was built with and resized: every figure
// of the design multiplied by DPI / 96, the proportions applied to the client
// size beyond that.
TEST(MainLayout, LaysTheWindowOutAtEachDpiAndSize) {
    const struct {
        int dpi;
        Size base;
        Size now;
        Rect banner;
        int updateLeft, updateIconLeft, onTopLeft;
        Rect list;
        std::vector<int> columns;
        int groupWidth;
        Rect add;
        int entryWidth, menuTop, menuLabelTop;
        Rect edit;
        int exitLeft;
    } cases[] = {
        // clang-format off
        // The design size.
        {96, {529, 434}, {529, 434}, {0, 0, 529, 50}, 423, 403, 416, {8, 151, 513, 229},
         {40, 375, 68}, 513, {429, 16, 72, 27}, 409, 388, 405, {158, 395, 60, 27}, 450},
        // Double width: the button lefts and "Content" double, "Hotkey" takes what is left less 30.
        {96, {529, 434}, {1058, 434}, {0, 0, 1058, 50}, 952, 932, 945, {8, 151, 1042, 229},
         {40, 750, 222}, 1042, {958, 16, 72, 27}, 938, 388, 405, {316, 395, 60, 27}, 900},
        // Taller: the list grows down to the buttons, which keep to the bottom edge.
        {96, {529, 434}, {529, 634}, {0, 0, 529, 50}, 423, 403, 416, {8, 151, 513, 429},
         {40, 375, 68}, 513, {429, 16, 72, 27}, 409, 588, 605, {158, 595, 60, 27}, 450},
        {120, {670, 552}, {670, 552}, {0, 0, 670, 62}, 538, 513, 529, {10, 189, 650, 295},
         {50, 469, 93}, 650, {545, 20, 90, 34}, 520, 494, 515, {198, 503, 75, 34}, 562},
        {144, {804, 668}, {804, 668}, {0, 0, 804, 75}, 645, 615, 634, {12, 226, 780, 362},
         {60, 562, 113}, 780, {654, 24, 108, 40}, 624, 600, 626, {237, 610, 90, 40}, 675},
        {192, {1066, 902}, {1066, 902}, {0, 0, 1066, 100}, 854, 814, 840, {16, 302, 1034, 492},
         {80, 750, 144}, 1034, {866, 32, 144, 54}, 826, 810, 844, {316, 824, 120, 54}, 900},
        {192, {1066, 902}, {2132, 902}, {0, 0, 2132, 100}, 1920, 1880, 1906, {16, 302, 2100, 492},
         {80, 1500, 460}, 2100, {1932, 32, 144, 54}, 1892, 810, 844, {632, 824, 120, 54}, 1800},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.dpi << " DPI, " << c.now.width << " by " << c.now.height);
        Window w(c.dpi, c.base);
        w.ResizeTo(c.now);
        const TfrmMain& f = w.frm;
        EXPECT_EQ(f.imgTitle.Bounds(), c.banner);
        EXPECT_EQ(f.lUpdate.Bounds().left, c.updateLeft);
        EXPECT_EQ(f.iUpdate.Bounds().left, c.updateIconLeft);
        EXPECT_EQ(f.cbAlwaysOnTop.Bounds().left, c.onTopLeft);
        EXPECT_EQ(f.ListView1.Bounds(), c.list);
        EXPECT_EQ(w.ColumnWidths(), c.columns);
        EXPECT_EQ(f.GroupBox2.Bounds().width, c.groupWidth);
        EXPECT_EQ(f.bAdd.Bounds(), c.add);
        EXPECT_EQ(f.eClipString.Bounds().width, c.entryWidth);
        EXPECT_EQ(f.wsiMenu.Bounds().top, c.menuTop);
        EXPECT_EQ(f.lMenu.Bounds().top, c.menuLabelTop);
        EXPECT_EQ(f.bDonate.Bounds().top, c.menuLabelTop);
        EXPECT_EQ(f.bEdit.Bounds(), c.edit);
        EXPECT_EQ(f.bExit.Bounds().left, c.exitLeft);
        EXPECT_EQ(f.bExit.Bounds().top, c.edit.top);
        // Labels and images that take their picture's size keep the design.
        EXPECT_EQ(f.lTitle.Bounds(), ui::ScaleForDpi(Rect{49, 8, 81, 16}, c.dpi));
        EXPECT_EQ(f.Image1.Bounds(), ui::ScaleForDpi(Rect{12, 8, 32, 32}, c.dpi));
        EXPECT_EQ(f.wsiMenu.Bounds().width, ui::ScaleForDpi(32, c.dpi));
    }
}

// "Hotkey" widens only when more than 30 pixels of the list would be left over.
TEST(MainLayout, HotkeyColumnTakesWhatIsLeftBeyondThirtyPixels) {
    const struct {
        int clientWidth;
        int hotkeyWidth;
    } cases[] = {{526, 65}, {527, 66}, {560, 99}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clientWidth);
        // A frame thick enough for the narrower client areas.
        Window w(96, {c.clientWidth, 434}, {20, 34});
        w.ResizeTo({c.clientWidth, 434});
        EXPECT_EQ(w.ColumnWidths(), (std::vector<int>{40, 375, c.hotkeyWidth}));
    }
}

TEST(MainLayout, ASizeBelowTheMinimumIsRaisedToIt) {
    const struct {
        int dpi;
        Size outer;
        Size raised;
    } cases[] = {
        {96, {300, 200}, {537, 468}},  {96, {600, 467}, {600, 468}},
        {96, {536, 900}, {537, 900}},  {120, {300, 200}, {671, 585}},
        {144, {300, 200}, {806, 702}}, {192, {300, 200}, {1074, 936}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.dpi << " DPI, " << c.outer.width << " by " << c.outer.height);
        Window w(c.dpi, {ui::ScaleForDpi(529, c.dpi), ui::ScaleForDpi(434, c.dpi)});
        w.frm.window.onResize = [&w] { w.frm.FormResize(); };
        w.ResizeTo({c.outer.width - 8, c.outer.height - 34});
        EXPECT_EQ(w.frm.window.outerSizesSet, std::vector<Size>{c.raised});
        // Laid out for the raised size.
        const int buttonHeight = ui::ScaleForDpi(27, c.dpi);
        EXPECT_EQ(w.frm.bEdit.Bounds().top,
                  c.raised.height - 34 - buttonHeight - ui::ScaleForDpi(12, c.dpi));
    }
}

TEST(MainLayout, AWindowTheSystemKeepsSmallIsLaidOutAsItIs) {
    Window w(96, {529, 434});
    // The system refuses the raise, and the window stays as it was.
    w.frm.window.onResize = [&w] {
        w.SetClient({400, 300});
        w.frm.FormResize();
    };
    w.ResizeTo({400, 300});
    EXPECT_EQ(w.frm.window.outerSizesSet.size(), 1u);
    EXPECT_EQ(w.frm.bEdit.Bounds().top, 300 - 39);
}

TEST(MainLayout, ResizesBeforeTheLayoutIsRecordedLeaveTheControlsAlone) {
    test::FakeDesktop desktop;
    test::MainForm frm{desktop};
    frm.window.outer = {300, 200};
    frm.window.client = {292, 166};
    frm.FormResize();
    for (const ui::Placement& p : frm.Controls())
        EXPECT_EQ(p.control->Bounds(), p.design) << p.control->Name();
    EXPECT_TRUE(frm.window.outerSizesSet.empty());
}

TEST(MainLayout, AnErrorInTheFixedPassEndsIt) {
    Window w(96, {529, 434});
    // A list without its "Hotkey" column fails at the column widths.
    w.frm.ListView1.SetColumns({{"No.", 40}, {"Content", 375}});
    w.ResizeTo({1058, 434});
    EXPECT_EQ(w.frm.GroupBox2.Bounds().width, 1042); // before the columns
    EXPECT_EQ(w.frm.bAdd.Bounds().left, 958);
    EXPECT_EQ(w.frm.wsiMenu.Bounds().top, 383); // after them: not reached
    EXPECT_EQ(w.frm.bEdit.Bounds().left, 316);  // the proportional pass ran whole
}

// A window moved to a screen of another DPI looks as if it had been built there.
TEST(MainLayout, MovingToAnotherDpiLaysOutAsIfBuiltThere) {
    for (int dpi : {120, 144, 192}) {
        SCOPED_TRACE(dpi);
        const Size client{ui::ScaleForDpi(536, dpi), ui::ScaleForDpi(440, dpi)};
        Window moved(96, {536, 440});
        moved.SetClient(client);
        moved.frm.window.dpi = dpi;
        moved.frm.DpiChanged();
        Window built(dpi, client);
        built.frm.FormResize();
        for (std::size_t i = 0; i < built.frm.Controls().size(); ++i)
            EXPECT_EQ(moved.frm.Controls()[i].control->Bounds(),
                      built.frm.Controls()[i].control->Bounds())
                << built.frm.Controls()[i].control->Name();
        EXPECT_EQ(moved.ColumnWidths(), built.ColumnWidths());
    }
}

TEST(MainLayout, ShowingLaysOutTheBannerForTheScreen) {
    Window w(144, {804, 668});
    w.frm.imgTitle.SetBounds({});
    w.frm.FormShow();
    EXPECT_EQ(w.frm.imgTitle.Bounds(), (Rect{0, 0, 804, 75}));
    EXPECT_EQ(w.frm.lUpdate.Bounds().left, 804 - 144 - 15);
}

// A caption wider in the system's font than in the design's: the label takes
// its width, and the update link stays anchored to the right with its icon.
TEST(MainLayout, LabelsTakeTheWidthOfTheirCaptions) {
    Window w(96, {536, 440});
    w.frm.lUpdate.SetTextWidth(130);
    w.frm.lTitle.SetTextWidth(40); // narrower than designed: the design's width stays
    w.frm.FormResize();
    EXPECT_EQ(w.frm.lUpdate.Bounds().width, 130);
    EXPECT_EQ(w.frm.lUpdate.Bounds().left, 536 - 130 - 10);
    EXPECT_EQ(w.frm.iUpdate.Bounds().left, 536 - 130 - 10 - 20);
    EXPECT_EQ(w.frm.lTitle.Bounds(), (Rect{49, 8, 81, 16}));
}

} // namespace
} // namespace pw
