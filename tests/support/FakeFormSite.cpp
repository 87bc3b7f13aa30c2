#include "support/FakeFormSite.h"

#include <string>

namespace pw::test {

void FakeFormSite::RequestClose() {
    calls.emplace_back("RequestClose");
    if (closeHandler)
        closeResults.push_back(closeHandler());
}

void FakeFormSite::RunModal(ui::Form& dialog) {
    ++modalRuns;
    dialog.BeginModal();
    if (modalScript)
        modalScript(dialog);
    if (dialog.GetModalResult() == ui::ModalResult::None && dialog.OnCloseRequest)
        dialog.OnCloseRequest();
}

void FakeFormSite::SetExtendedStyle(std::uint32_t style) {
    exStyle = style;
    calls.push_back("SetExtendedStyle " + std::to_string(style));
}

void FakeFormSite::SetMinimizedPosition(int left, int top) {
    calls.push_back("SetMinimizedPosition " + std::to_string(left) + " " + std::to_string(top));
}

void FakeFormSite::SetWindowBounds(const ui::Rect& r) {
    bounds = r;
    calls.push_back("SetWindowBounds " + std::to_string(r.left) + " " + std::to_string(r.top) +
                    " " + std::to_string(r.width) + " " + std::to_string(r.height));
}

} // namespace pw::test
