#include "app/MainLayout.h"

#include "app/StartPlacement.h"
#include "app/TfrmMain.h"
#include "ui/DpiScale.h"

#include <algorithm>
#include <exception>

namespace pw {

namespace {

void LayOutBanner(TfrmMain& form, int clientWidth, int dpi) {
    const auto px = [dpi](int designPixels) { return ui::ScaleForDpi(designPixels, dpi); };
    form.imgTitle.SetBounds({0, 0, clientWidth, px(50)});
    ui::Rect update = form.lUpdate.Bounds();
    update.left = clientWidth - update.width - px(10);
    form.lUpdate.SetBounds(update);
    ui::Rect icon = form.iUpdate.Bounds();
    icon.left = update.left - px(20);
    form.iUpdate.SetBounds(icon);
}

void LayOutBelowBanner(TfrmMain& form, ui::Size client, int dpi, double horizontalScale) {
    const auto px = [dpi](int designPixels) { return ui::ScaleForDpi(designPixels, dpi); };
    const auto set = [](ui::Control& control, auto change) {
        ui::Rect r = control.Bounds();
        change(r);
        control.SetBounds(r);
    };
    set(form.cbAlwaysOnTop, [&](ui::Rect& r) { r.left = client.width - r.width - px(20); });

    const int commandTop = form.bEdit.Bounds().top;
    set(form.ListView1, [&](ui::Rect& r) {
        r.height = commandTop - r.top - px(15);
        r.width = client.width - 2 * r.left;
    });
    const ui::Rect list = form.ListView1.Bounds();
    set(form.GroupBox2, [&](ui::Rect& r) { r.width = list.width; });
    set(form.bAdd, [&](ui::Rect& r) {
        r.left = form.GroupBox2.Bounds().width - r.width - px(12);
        r.top = px(16); // the button rule measured from the window's bottom edge
    });
    set(form.eClipString,
        [&](ui::Rect& r) { r.width = form.bAdd.Bounds().left - r.left - px(12); });

    ui::ListView& view = form.ListView1;
    view.SetColumnWidth(0, px(40));
    view.SetColumnWidth(1, ui::RoundHalfEven(px(375) * horizontalScale));
    view.SetColumnWidth(2, ui::RoundHalfEven(px(65) * horizontalScale));
    const auto& columns = view.Columns();
    const int number = columns.at(0).width;
    const int content = columns.at(1).width;
    // Whatever the proportions leave over beyond a small margin goes to the hotkeys.
    if (list.width - number - content - columns.at(2).width > px(30))
        view.SetColumnWidth(2, list.width - number - content - px(30));

    set(form.wsiMenu, [&](ui::Rect& r) { r.top = list.top + list.height + px(8); });
    set(form.lMenu, [&](ui::Rect& r) { r.top = form.wsiMenu.Bounds().top + px(17); });
    set(form.bDonate, [&](ui::Rect& r) { r.top = form.lMenu.Bounds().top; });
    for (ui::Button* b : {&form.bEdit, &form.bUp, &form.bDown, &form.bRemove, &form.bExit})
        set(*b, [&](ui::Rect& r) { r.width = px(60); });
}

} // namespace

ui::Size MainMinimumSize(int dpi) {
    return {ui::ScaleForDpi(kMainMinWidth, dpi), ui::ScaleForDpi(kMainMinHeight, dpi)};
}

void LayOutTitleBanner(TfrmMain& form, int clientWidth) {
    LayOutBanner(form, clientWidth, form.Site() != nullptr ? form.Site()->Dpi() : ui::kDesignDpi);
}

void LayOutFixedControls(TfrmMain& form, ui::Size client, int dpi, double horizontalScale) {
    try {
        LayOutBanner(form, client.width, dpi);
        LayOutBelowBanner(form, client, dpi, horizontalScale);
    } catch (const std::exception&) {
        // A half-done layout beats a window that cannot be resized at all.
    }
}

// --- the main window's handlers of its size ---

void TfrmMain::RecordLayout() {
    ui::FormSite& window = NativeWindow();
    // Images that take the size of their picture keep it.
    layout_.Record(*this, window.ClientSize(), window.Dpi(), {&Image1, &iUpdate, &wsiMenu});
}

void TfrmMain::FormResize() {
    if (!layout_.Recorded())
        return; // still being built: no proportions to keep yet
    ui::FormSite& window = NativeWindow();
    const int dpi = window.Dpi();
    const ui::Size minimum = MainMinimumSize(dpi);
    const ui::Size outer = window.OuterSize();
    // The raise runs this handler again; should the system keep the window
    // smaller all the same, it is laid out as it is rather than raised forever.
    if ((outer.width < minimum.width || outer.height < minimum.height) && !raisingToMinimum_) {
        raisingToMinimum_ = true;
        window.SetOuterSize(
            {std::max(outer.width, minimum.width), std::max(outer.height, minimum.height)});
        raisingToMinimum_ = false;
    }
    const ui::Size client = window.ClientSize();
    layout_.ProportionalPass(client, dpi);
    LayOutFixedControls(*this, client, dpi, layout_.HorizontalScale(client, dpi));
}

void TfrmMain::DpiChanged() {
    ScaleToDpi(NativeWindow().Dpi());
    FormResize();
}

void TfrmMain::SetAlwaysOnTop(bool on) {
    NativeWindow().SetTopmost(on);
}

} // namespace pw
