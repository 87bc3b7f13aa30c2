#include "app/MainLayout.h"

#include "app/StartPlacement.h"
#include "ui/DpiScale.h"

#include <algorithm>
#include <exception>

namespace pw {

namespace {

template <typename Change> void ChangeBounds(ui::Control& control, Change change) {
    ui::Rect r = control.Bounds();
    change(r);
    control.SetBounds(r);
}

} // namespace

ui::Size MainMinimumSize(int dpi) {
    return {ui::ScaleForDpi(kMainMinWidth, dpi), ui::ScaleForDpi(kMainMinHeight, dpi)};
}

void MainLayout::Record(const ui::Form& form, const ui::FormSite& window) {
    // Images that take the size of their picture keep it.
    records_.Record(form, window.ClientSize(), window.Dpi(),
                    {&c_.Image1, &c_.iUpdate, &c_.wsiMenu});
}

void MainLayout::Resize(ui::FormSite& window) {
    if (!records_.Recorded())
        return; // still being built: no proportions to keep yet
    const int dpi = window.Dpi();
    const ui::Size minimum = MainMinimumSize(dpi);
    const ui::Size outer = window.OuterSize();
    // The raise runs the resize handler again; should the system keep the
    // window smaller all the same, it is laid out as it is rather than raised
    // forever.
    if ((outer.width < minimum.width || outer.height < minimum.height) && !raisingToMinimum_) {
        raisingToMinimum_ = true;
        window.SetOuterSize(
            {std::max(outer.width, minimum.width), std::max(outer.height, minimum.height)});
        raisingToMinimum_ = false;
    }
    const ui::Size client = window.ClientSize();
    records_.ProportionalPass(client, dpi);
    try {
        LayOutBanner(client.width, dpi);
        LayOutBelowBanner(client, dpi, records_.HorizontalScale(client, dpi));
    } catch (const std::exception&) {
        // A half-done layout beats a window that cannot be resized at all.
    }
}

void MainLayout::LayOutTitleBanner(const ui::FormSite& window) {
    LayOutBanner(window.ClientWidth(), window.Dpi());
}

void MainLayout::LayOutBanner(int clientWidth, int dpi) {
    const auto px = [dpi](int designPixels) { return ui::ScaleForDpi(designPixels, dpi); };
    c_.imgTitle.SetBounds({0, 0, clientWidth, px(50)});
    ui::Rect update = c_.lUpdate.Bounds();
    update.left = clientWidth - update.width - px(10);
    c_.lUpdate.SetBounds(update);
    ui::Rect icon = c_.iUpdate.Bounds();
    icon.left = update.left - px(20);
    c_.iUpdate.SetBounds(icon);
}

void MainLayout::LayOutBelowBanner(ui::Size client, int dpi, double horizontalScale) {
    const auto px = [dpi](int designPixels) { return ui::ScaleForDpi(designPixels, dpi); };
    ChangeBounds(c_.cbAlwaysOnTop, [&](ui::Rect& r) { r.left = client.width - r.width - px(20); });

    const int commandTop = c_.bEdit.Bounds().top;
    ChangeBounds(c_.ListView1, [&](ui::Rect& r) {
        r.height = commandTop - r.top - px(15);
        r.width = client.width - 2 * r.left;
    });
    const ui::Rect list = c_.ListView1.Bounds();
    ChangeBounds(c_.GroupBox2, [&](ui::Rect& r) { r.width = list.width; });
    ChangeBounds(c_.bAdd, [&](ui::Rect& r) {
        r.left = c_.GroupBox2.Bounds().width - r.width - px(12);
        r.top = px(16); // the button rule measured from the window's bottom edge
    });
    ChangeBounds(c_.eClipString,
                 [&](ui::Rect& r) { r.width = c_.bAdd.Bounds().left - r.left - px(12); });

    ui::ListView& view = c_.ListView1;
    view.SetColumnWidth(0, px(40));
    view.SetColumnWidth(1, ui::RoundHalfEven(px(375) * horizontalScale));
    view.SetColumnWidth(2, ui::RoundHalfEven(px(65) * horizontalScale));
    const auto& columns = view.Columns();
    const int number = columns.at(0).width;
    const int content = columns.at(1).width;
    // Whatever the proportions leave over beyond a small margin goes to the hotkeys.
    if (list.width - number - content - columns.at(2).width > px(30))
        view.SetColumnWidth(2, list.width - number - content - px(30));

    ChangeBounds(c_.wsiMenu, [&](ui::Rect& r) { r.top = list.top + list.height + px(8); });
    ChangeBounds(c_.lMenu, [&](ui::Rect& r) { r.top = c_.wsiMenu.Bounds().top + px(17); });
    ChangeBounds(c_.bDonate, [&](ui::Rect& r) { r.top = c_.lMenu.Bounds().top; });
    for (ui::Button* b : {&c_.bEdit, &c_.bUp, &c_.bDown, &c_.bRemove, &c_.bExit})
        ChangeBounds(*b, [&](ui::Rect& r) { r.width = px(60); });
}

} // namespace pw
