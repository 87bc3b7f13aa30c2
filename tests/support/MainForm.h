#pragma once

#include "app/TfrmMain.h"
#include "support/FakeFormSite.h"

namespace pw::test {

// The main window as a test makes it: its fake native window is attached from
// the start, as the real one is before the program runs any handler.
class MainForm : public TfrmMain {
public:
    explicit MainForm(Desktop& desktop) : TfrmMain(desktop) { AttachSite(&window); }
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    FakeFormSite window;
};

} // namespace pw::test
