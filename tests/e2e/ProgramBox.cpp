#include "ProgramBox.h"

#include "WindowQuery.h"

namespace e2e {

namespace {

// The button that Enter presses, drawn as the default one; 0 when none is. (Wine's message box
// answers DM_GETDEFID with IDOK whatever it preselects, so the button's style tells.)
int defaultButton(HWND box) {
    for (int id : {IDOK, IDYES, IDNO, IDCANCEL}) {
        const HWND button = GetDlgItem(box, id);
        if (button != nullptr &&
            (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            return id;
        }
    }
    return 0;
}

std::string describeButtons(HWND box) {
    std::string text;
    for (const auto& [id, name] : {std::pair{IDOK, "OK"}, std::pair{IDYES, "Yes"},
                                   std::pair{IDNO, "No"}, std::pair{IDCANCEL, "Cancel"}}) {
        if (GetDlgItem(box, id) != nullptr) {
            text += text.empty() ? "" : ", ";
            text += name;
        }
    }
    return text;
}

} // namespace

::testing::AssertionResult answerProgramBox(const PastewiseApp& app, const std::string& text,
                                            BoxButtons buttons, int answer, HWND owner) {
    const HWND box = app.waitForMessageBox();
    if (box == nullptr) {
        return ::testing::AssertionFailure() << "no message box \"" << text << "\"";
    }
    const char* expectedButtons = buttons == BoxButtons::Ok               ? "OK"
                                  : buttons == BoxButtons::YesNoDefaultNo ? "Yes, No"
                                                                          : "Yes, No, Cancel";
    auto result = ::testing::AssertionSuccess();
    if (messageBoxText(box) != text) {
        result = ::testing::AssertionFailure() << "the message box says \"" << messageBoxText(box)
                                               << "\", expected \"" << text << "\"";
    } else if (describeButtons(box) != expectedButtons) {
        result = ::testing::AssertionFailure()
                 << "the message box \"" << text << "\" has the buttons " << describeButtons(box)
                 << ", expected " << expectedButtons;
    } else if (buttons == BoxButtons::YesNoDefaultNo && defaultButton(box) != IDNO) {
        result = ::testing::AssertionFailure() << "the message box \"" << text << "\" has button "
                                               << defaultButton(box) << " preselected, expected No";
    } else if (GetWindow(box, GW_OWNER) != (owner != nullptr ? owner : app.mainWindow())) {
        result = ::testing::AssertionFailure()
                 << "the message box \"" << text << "\" is owned by a "
                 << windowClass(GetWindow(box, GW_OWNER));
    }
    if (!answerMessageBox(box, answer)) {
        return ::testing::AssertionFailure()
               << "the message box \"" << messageBoxText(box) << "\" does not go on " << answer;
    }
    return result;
}

} // namespace e2e
