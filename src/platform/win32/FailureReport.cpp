#include "platform/win32/FailureReport.h"

#include "platform/Product.h"
#include "platform/win32/WideText.h"

namespace pw::win32 {

namespace {
bool reported = false;
} // namespace

void ReportFailureOnce(const char* what) noexcept {
    if (!reported) {
        reported = true;
        MessageBoxW(nullptr, Wide(what).c_str(), Wide(kMessageCaption).c_str(),
                    MB_ICONERROR | MB_OK);
    }
}

} // namespace pw::win32
