#include "support/FakeFormSite.h"

namespace pw::test {

void FakeFormSite::RequestClose() {
    calls.emplace_back("RequestClose");
    if (closeHandler)
        closeResults.push_back(closeHandler());
}

void FakeFormSite::SetOuterSize(ui::Size size) {
    outerSizesSet.push_back(size);
    client.width += size.width - outer.width;
    client.height += size.height - outer.height;
    outer = size;
    if (onResize)
        onResize();
}

void FakeFormSite::RunModal(ui::Form& dialog) {
    ++modalRuns;
    dialog.BeginModal();
    if (dialog.OnShow)
        dialog.OnShow();
    if (modalScript)
        modalScript(dialog);
    if (dialog.GetModalResult() == ui::ModalResult::None && dialog.OnCloseRequest)
        dialog.OnCloseRequest();
}

} // namespace pw::test
