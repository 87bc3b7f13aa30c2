#pragma once

#include <string>
#include <vector>

namespace e2e {

// One row as a file stores it: the content exactly as written on its line (escaped or plain).
struct StoredRow {
    std::string number;
    std::string stored;
    std::string hotkey;
};

// A configuration file (.pwc) holding the rows, byte for byte: in the code page, as a list
// whose every text fits it is written (ASCII rows are the same in both forms).
std::string configurationFile(const std::vector<StoredRow>& rows);
// The same in UTF-8 after its byte-order mark, as a list with a text outside the code page is
// written.
std::string unicodeConfigurationFile(const std::vector<StoredRow>& rows);

// The window placement keys of options.ini, in the order they are written.
struct StoredPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool maximized = false;
    int normalLeft = 0;
    int normalTop = 0;
    int normalWidth = 0;
    int normalHeight = 0;
};

// options.ini as the program writes it when there was none before: the check boxes off, the
// default Options hotkeys, the configuration file name, the rows and the placement.
std::string newSettingsFile(const std::string& configurationFile,
                            const std::vector<StoredRow>& rows, const StoredPlacement& placement);

// The main window's caption without a document, and with one ("name.pwc", "Untitled",
// "name.pwc*").
std::string baseCaption();
std::string documentCaption(const std::string& name);

} // namespace e2e
