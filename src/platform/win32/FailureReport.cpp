#include "platform/win32/FailureReport.h"

#include "platform/Product.h"

namespace pw::win32 {

namespace {
bool reported = false;
} // namespace

void ReportFailureOnce(const char* what) noexcept {
    if (!reported) {
        reported = true;
        MessageBoxA(nullptr, what, kMessageCaption, MB_ICONERROR | MB_OK);
    }
}

} // namespace pw::win32
