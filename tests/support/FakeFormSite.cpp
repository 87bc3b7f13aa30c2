#include "support/FakeFormSite.h"

namespace pw::test {

void FakeFormSite::RequestClose() {
    calls.emplace_back("RequestClose");
    if (closeHandler)
        closeResults.push_back(closeHandler());
}

} // namespace pw::test
