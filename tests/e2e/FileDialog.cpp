#include "FileDialog.h"

#include <dlgs.h>

#include "WindowQuery.h"

namespace e2e {

namespace {

// The window itself if it is an edit, else the first edit inside it.
HWND editIn(HWND window) {
    if (windowClass(window) == "Edit") {
        return window;
    }
    for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child != nullptr;
         child = FindWindowExA(window, child, nullptr, nullptr)) {
        if (const HWND edit = editIn(child)) {
            return edit;
        }
    }
    return nullptr;
}

// The file name box: an edit of its own, or (Wine, newer Windows) the edit inside the file
// name combo box, which sits inside a ComboBoxEx.
HWND fileNameBoxOf(HWND dialog) {
    for (int id : {cmb13, edt1}) {
        const HWND control = GetDlgItem(dialog, id);
        if (control != nullptr && IsWindowVisible(control)) {
            if (const HWND edit = editIn(control)) {
                return edit;
            }
        }
    }
    return nullptr;
}

} // namespace

std::optional<FileDialog> FileDialog::waitFor(const PastewiseApp& app, milliseconds timeout) {
    HWND window = nullptr;
    HWND fileName = nullptr;
    const bool ready = waitUntil(
        [&] {
            for (HWND candidate : topLevelWindows(app.processId(), "#32770")) {
                if (IsWindowVisible(candidate) && GetDlgItem(candidate, IDOK) != nullptr) {
                    window = candidate;
                    fileName = fileNameBoxOf(candidate);
                    if (fileName != nullptr) {
                        return true;
                    }
                }
            }
            return false;
        },
        timeout);
    if (!ready) {
        return std::nullopt;
    }
    return FileDialog(window, fileName);
}

::testing::AssertionResult FileDialog::chooseIn(const PastewiseApp& app, const std::string& path) {
    const auto dialog = waitFor(app);
    if (!dialog) {
        return ::testing::AssertionFailure() << "no file dialog to choose \"" << path << "\" in";
    }
    return dialog->choose(path);
}

std::string FileDialog::title() const {
    return windowText(window_);
}

::testing::AssertionResult FileDialog::choose(const std::string& path) const {
    if (!setWindowText(fileName_, path) || windowText(fileName_) != path) {
        return ::testing::AssertionFailure()
               << "cannot put \"" << path << "\" into the file name box; it shows \""
               << windowText(fileName_) << "\"";
    }
    return press(IDOK);
}

::testing::AssertionResult FileDialog::cancel() const {
    return press(IDCANCEL);
}

::testing::AssertionResult FileDialog::press(int id) const {
    const HWND button = GetDlgItem(window_, id);
    if (!clickButton(button)) {
        return ::testing::AssertionFailure() << "cannot press button " << id << " of the dialog";
    }
    if (!waitUntil([&] { return IsWindow(window_) == 0; })) {
        return ::testing::AssertionFailure()
               << "the dialog \"" << title() << "\" stays open; its file name box shows \""
               << windowText(fileName_) << "\"";
    }
    return ::testing::AssertionSuccess();
}

} // namespace e2e
