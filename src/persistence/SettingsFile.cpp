#include "persistence/SettingsFile.h"

#include "persistence/Folders.h"
#include "persistence/ProfileFile.h"
#include "persistence/ProfileText.h"
#include "text/Utf8.h"
#include "persistence/ValueEscape.h"
#include "platform/Desktop.h"

#include <algorithm>
#include <charconv>

namespace pw {

namespace {

constexpr std::string_view kSubfolder = "Orvane\\Pastewise\\";
constexpr std::string_view kFileName = "options.ini";

struct PlacementKey {
    const char* name;
    int ui::Rect::*field;
    bool normal;
};
constexpr PlacementKey kPlacementKeys[] = {
    {"Left", &ui::Rect::left, false},        {"Top", &ui::Rect::top, false},
    {"Width", &ui::Rect::width, false},      {"Height", &ui::Rect::height, false},
    {"NormalLeft", &ui::Rect::left, true},   {"NormalTop", &ui::Rect::top, true},
    {"NormalWidth", &ui::Rect::width, true}, {"NormalHeight", &ui::Rect::height, true},
};

// "0", "1", ... as the list keys are written; "01" or "+1" name no row.
bool ParseRowKey(std::string_view key, int& index) {
    if (key.empty() || (key.size() > 1 && key[0] == '0'))
        return false;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), index);
    return error == std::errc() && end == key.data() + key.size() && index >= 0;
}

// The values of a list section by row, in row order; of two lines for one
// row the first counts, as for any key.
using RowValues = std::vector<std::pair<int, std::string_view>>;

RowValues CollectRows(const ProfileFile& file, const char* section, int count) {
    RowValues rows;
    file.ForEachKey(section, [&](std::string_view key, std::string_view value) {
        int index = 0;
        if (ParseRowKey(key, index) && index < count)
            rows.emplace_back(index, value);
    });
    const auto byRow = [](const auto& a, const auto& b) { return a.first < b.first; };
    // A file this program wrote lists its rows in order already.
    if (!std::is_sorted(rows.begin(), rows.end(), byRow))
        std::stable_sort(rows.begin(), rows.end(), byRow);
    rows.erase(std::unique(rows.begin(), rows.end(),
                           [](const auto& a, const auto& b) { return a.first == b.first; }),
               rows.end());
    return rows;
}

// The value of each row in turn: rows are asked for in rising order, so a
// cursor that only moves forward finds them in one pass.
class RowCursor {
public:
    explicit RowCursor(const RowValues& rows) : rows_(rows) {}
    std::string_view At(int index) {
        while (next_ < rows_.size() && rows_[next_].first < index)
            ++next_;
        return next_ < rows_.size() && rows_[next_].first == index ? rows_[next_].second
                                                                   : std::string_view();
    }

private:
    const RowValues& rows_;
    std::size_t next_ = 0;
};

bool OnOff(const ProfileFile& file, const char* section, bool fallback) {
    return file.GetInt(section, "Enable", fallback ? 1 : 0) != 0;
}

void WriteKeys(ProfileFile& file, const StoredSettings& stored) {
    auto flag = [](bool on) { return on ? "1" : "0"; };
    file.SetString("Copy", "Enable", flag(stored.settings.autoCopy));
    file.SetString("AutoAdd", "Enable", flag(stored.settings.autoAdd));
    file.SetString("AlwaysOnTop", "Enable", flag(stored.settings.alwaysOnTop));
    file.SetString("Configuration", "FileName",
                   EncodeStoredValue(stored.configurationFile, StoredFormat::Profile));
    for (std::size_t i = 0; i < stored.settings.optionsHotkeys.size(); ++i)
        file.SetString("OptionsHotkey", std::to_string(i), stored.settings.optionsHotkeys[i]);
    file.SetString("ClipStringList", "Count", std::to_string(stored.rows.size()));
    // Section by section: one pass each rather than a lookup per key. A new
    // file gets ClipStringList (Count, contents), IndexList and HotkeyList in
    // that order, as the rows written key by key would leave them.
    std::vector<std::string> numbers, contents, hotkeys;
    numbers.reserve(stored.rows.size());
    contents.reserve(stored.rows.size());
    hotkeys.reserve(stored.rows.size());
    for (const PwcEntry& row : stored.rows) {
        numbers.push_back(row.number);
        contents.push_back(EncodeStoredValue(row.content, StoredFormat::Profile));
        hotkeys.push_back(row.hotkey);
    }
    file.SetNumberedKeys("IndexList", numbers);
    file.SetNumberedKeys("ClipStringList", contents);
    file.SetNumberedKeys("HotkeyList", hotkeys);
    const ui::WindowPlacement& p = stored.placement;
    for (const PlacementKey& k : kPlacementKeys) {
        if (k.name == std::string_view("NormalLeft"))
            file.SetString("WindowsPosition", "Maximized", flag(p.maximized));
        const ui::Rect& rect = k.normal ? p.normal : p.bounds;
        file.SetString("WindowsPosition", k.name, std::to_string(rect.*k.field));
    }
}

} // namespace

namespace {

StoredSettings ReadKeys(const ProfileFile& file) {
    StoredSettings stored;
    stored.settings.autoCopy = OnOff(file, "Copy", false);
    stored.settings.autoAdd = OnOff(file, "AutoAdd", false);
    stored.settings.alwaysOnTop = OnOff(file, "AlwaysOnTop", false);
    stored.configurationFile = DecodeStoredValue(file.GetString("Configuration", "FileName", ""));
    for (std::size_t i = 0; i < stored.settings.optionsHotkeys.size(); ++i)
        stored.settings.optionsHotkeys[i] =
            file.GetString("OptionsHotkey", std::to_string(i), stored.settings.optionsHotkeys[i]);

    // One pass over each list section: only keys that exist can give a row,
    // so a damaged Count costs nothing.
    const int count = file.GetInt("ClipStringList", "Count", 0);
    const RowValues contents = CollectRows(file, "ClipStringList", count);
    const RowValues numbers = CollectRows(file, "IndexList", count);
    const RowValues hotkeys = CollectRows(file, "HotkeyList", count);
    stored.rows.reserve(contents.size());
    RowCursor number(numbers), hotkey(hotkeys);
    for (const auto& [index, value] : contents) {
        std::string content = DecodeStoredValue(value);
        if (content.empty())
            continue;
        stored.rows.push_back(
            {std::string(number.At(index)), std::move(content), std::string(hotkey.At(index))});
    }

    ui::WindowPlacement& p = stored.placement;
    for (const PlacementKey& k : kPlacementKeys) {
        ui::Rect& rect = k.normal ? p.normal : p.bounds;
        rect.*k.field = file.GetInt("WindowsPosition", k.name, rect.*k.field);
    }
    p.maximized = file.GetInt("WindowsPosition", "Maximized", 0) != 0;
    return stored;
}

} // namespace

StoredSettings ReadSettingsFile(std::string_view text) {
    return ReadKeys(ProfileFile::Parse(text));
}

std::string WriteSettingsFile(std::string_view previous, const StoredSettings& stored) {
    ProfileFile file = ProfileFile::Parse(previous);
    WriteKeys(file, stored);
    return file.Serialize();
}

StoredSettings ReadSettingsFile(std::string_view bytes, CodePage& codePage) {
    StoredSettings stored = ReadKeys(ProfileText::Decode(bytes, codePage).TakeFile());
    // An escape written by hand may spell out bytes that are no text.
    MakeWellFormed(stored.configurationFile);
    for (PwcEntry& row : stored.rows) {
        MakeWellFormed(row.number);
        MakeWellFormed(row.content);
        MakeWellFormed(row.hotkey);
    }
    return stored;
}

std::string WriteSettingsFile(std::string_view previous, const StoredSettings& stored,
                              CodePage& codePage) {
    ProfileText text = ProfileText::Decode(previous, codePage);
    ProfileFile file = text.TakeFile();
    WriteKeys(file, stored);
    return text.Encode(file, codePage);
}

std::string SettingsFolder(Desktop& desktop) {
    std::string folder = desktop.AppDataFolder();
    if (!folder.empty()) {
        if (folder.back() != '\\')
            folder += '\\';
        folder += kSubfolder;
        if (CreateMissingFolders(desktop, folder).ok)
            return folder;
    }
    return desktop.ProgramFolder();
}

std::string SettingsFilePath(Desktop& desktop) {
    return SettingsFolder(desktop) + std::string(kFileName);
}

} // namespace pw
