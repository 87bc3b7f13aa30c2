#pragma once

#include "app/TfrmMain.h"
#include "persistence/PwcFormat.h"
#include "support/FakeDesktop.h"
#include "support/FakeFormSite.h"

#include <string>
#include <vector>

namespace pw::test {

// Where the settings file lives on the fake desktop.
inline const std::string kSettingsPath =
    "C:\\users\\me\\AppData\\Roaming\\Orvane\\Pastewise\\options.ini";

// One run of the program on a desktop that outlives it: created as at
// start-up, ended through the Exit button; the next run reads what this one
// left on the disk.
class ProgramRun {
public:
    explicit ProgramRun(FakeDesktop& desktop) : frm(desktop) {
        site.closeHandler = [this] { return frm.FormClose(); };
        frm.AttachSite(&site);
        frm.FormCreate();
    }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // True when the program ended.
    bool Exit() {
        frm.bExitClick();
        return site.quit;
    }
    std::vector<std::string> Contents() const {
        std::vector<std::string> contents;
        for (int row = 0; row < frm.Table().RowCount(); ++row)
            contents.push_back(frm.Table().Content(row));
        return contents;
    }

    FakeFormSite site;
    TfrmMain frm;
};

// Lines joined into a file with CR LF breaks.
inline std::string FileOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

inline std::vector<std::string> ContentsOf(const std::string& configurationFile) {
    std::vector<std::string> contents;
    for (const PwcEntry& e : ParseConfiguration(configurationFile))
        contents.push_back(e.content);
    return contents;
}

} // namespace pw::test
