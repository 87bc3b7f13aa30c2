#pragma once

#include "persistence/PwcFormat.h"
#include "persistence/Settings.h"
#include "ui/WindowPlacement.h"

#include <string>
#include <string_view>
#include <vector>

namespace pw {

class CodePage;
class Desktop;

// Everything options.ini keeps between two runs.
struct StoredSettings {
    Settings settings;
    std::string configurationFile; // empty, "Untitled" or a full path
    std::vector<PwcEntry> rows;    // the list's copy; rows with no content are not kept
    ui::WindowPlacement placement;
};

// Reads the file's text with every key's default; any bytes are accepted.
StoredSettings ReadSettingsFile(std::string_view text);

// The file after writing every key in order into what it held before, so
// keys the program does not write stay as they were.
std::string WriteSettingsFile(std::string_view previous, const StoredSettings& stored);

// The same for the file's bytes as they are on the disk, which may be
// Unicode: read in the code page, written back in the encoding they had.
StoredSettings ReadSettingsFile(std::string_view bytes, CodePage& codePage);
std::string WriteSettingsFile(std::string_view previous, const StoredSettings& stored,
                              CodePage& codePage);

// The settings folder (created with its parents; the program's folder when
// that fails) and the file in it.
std::string SettingsFolder(Desktop& desktop);
std::string SettingsFilePath(Desktop& desktop);

} // namespace pw
