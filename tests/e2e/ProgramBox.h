#pragma once

#include <gtest/gtest.h>

#include <string>

#include "PastewiseApp.h"

namespace e2e {

// The buttons of a message box: OK alone; Yes and No with No preselected (the overwrite
// question); Yes, No and Cancel (the save question).
enum class BoxButtons { Ok, YesNoDefaultNo, YesNoCancel };

// Waits for the program's message box (caption "Orvane Pastewise"), checks that it says
// `text`, has exactly these buttons and is owned by `owner` (the main window when null: a
// dialog's boxes belong to the dialog), and presses `answer` (IDOK, IDYES, IDNO, IDCANCEL).
// The box is answered even when a check fails, so that the test can go on or end the program.
::testing::AssertionResult answerProgramBox(const PastewiseApp& app, const std::string& text,
                                            BoxButtons buttons, int answer, HWND owner = nullptr);

} // namespace e2e
