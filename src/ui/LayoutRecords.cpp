#include "ui/LayoutRecords.h"

#include "ui/DpiScale.h"

#include <algorithm>

namespace pw::ui {

namespace {

// The distance of the buttons' bottom edge above the window's.
constexpr int kButtonMargin = 12;

int Scaled(int designPixels, int dpi, double scale) {
    return RoundHalfEven(static_cast<double>(designPixels) * dpi / kDesignDpi * scale);
}

} // namespace

ResizeRule RuleFor(Kind kind) {
    switch (kind) {
    case Kind::ListView:
        return ResizeRule::List;
    case Kind::Edit:
    case Kind::CaptureField:
    case Kind::Image:
    case Kind::GroupBox:
        return ResizeRule::Width;
    case Kind::Button:
        return ResizeRule::Button;
    default:
        return ResizeRule::None;
    }
}

void LayoutRecords::Record(const Form& form, Size baseClient, int dpi,
                           std::initializer_list<const Control*> keepSize) {
    if (Recorded() || baseClient.width <= 0 || baseClient.height <= 0 || dpi <= 0)
        return;
    for (const Placement& p : form.Controls()) {
        const bool keeps = std::find(keepSize.begin(), keepSize.end(), p.control) != keepSize.end();
        entries_.push_back(
            {p.control, p.design, keeps ? ResizeRule::None : RuleFor(p.control->GetKind())});
    }
    base_ = baseClient;
    baseDpi_ = dpi;
}

double LayoutRecords::HorizontalScale(Size client, int dpi) const {
    return static_cast<double>(client.width) * baseDpi_ / (static_cast<double>(base_.width) * dpi);
}

double LayoutRecords::VerticalScale(Size client, int dpi) const {
    return static_cast<double>(client.height) * baseDpi_ /
           (static_cast<double>(base_.height) * dpi);
}

void LayoutRecords::ProportionalPass(Size client, int dpi) const {
    if (!Recorded())
        return;
    const double h = HorizontalScale(client, dpi);
    const double v = VerticalScale(client, dpi);
    for (const Entry& e : entries_) {
        Rect r = e.control->Bounds();
        switch (e.rule) {
        case ResizeRule::None:
            continue;
        case ResizeRule::List:
            r.width = Scaled(e.design.width, dpi, h);
            r.height = Scaled(e.design.height, dpi, v);
            break;
        case ResizeRule::Width:
            r.width = Scaled(e.design.width, dpi, h);
            break;
        case ResizeRule::Button:
            r.top = client.height - r.height - ScaleForDpi(kButtonMargin, dpi);
            r.left = Scaled(e.design.left, dpi, h);
            break;
        }
        e.control->SetBounds(r);
    }
}

} // namespace pw::ui
