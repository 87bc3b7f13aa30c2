#include "support/FakeFormSite.h"

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

} // namespace pw::test
