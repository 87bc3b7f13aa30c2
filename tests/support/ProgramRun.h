#pragma once

#include "app/TfrmMain.h"
#include "hotkeys/HotkeyText.h"
#include "persistence/DocumentState.h"
#include "persistence/PwcFormat.h"
#include "snippets/SnippetTable.h"
#include "support/FakeDesktop.h"
#include "support/FakeFormSite.h"
#include "support/ListCells.h"

#include <string>
#include <vector>

namespace pw::test {

using Strings = std::vector<std::string>;

// Where the settings file lives on the fake desktop.
inline const std::string kSettingsPath =
    "C:\\users\\me\\AppData\\Roaming\\Orvane\\Pastewise\\options.ini";

// The main window's caption with a document part ("[a.pwc*]"), or without.
inline std::string CaptionWith(const std::string& doc) {
    return doc.empty() ? BaseTitle() : BaseTitle() + " - " + doc;
}

// The document state whose caption part is `doc` ("[a.pwc*]", or empty).
inline DocumentState DocumentOf(const std::string& doc, const std::string& file) {
    DocumentState state;
    state.SetFile(file);
    if (doc.size() >= 2) {
        std::string name = doc.substr(1, doc.size() - 2);
        const bool changed = name.ends_with('*');
        if (changed)
            name.pop_back();
        state.Show(name);
        if (changed)
            state.MarkChanged();
    }
    return state;
}

// One run of the program on a desktop that outlives it: created as at
// start-up, ended through the Exit button; the next run reads what this one
// left on the disk.
class ProgramRun {
public:
    explicit ProgramRun(FakeDesktop& desktop) : frm(desktop), desktop_(desktop) {
        site.closeHandler = [this] { return frm.FormClose(); };
        frm.AttachSite(&site);
        frm.FormCreate();
    }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // Puts the window in a document state with rows "t1".."tn" read from a
    // file, hotkeys "Ctrl 1".. registered.
    void Open(const std::string& doc, const std::string& file, int rows) {
        for (int i = 1; i <= rows; ++i)
            AppendReadRow(frm.List(), std::to_string(i), "t" + std::to_string(i),
                          DefaultHotkeyText(i));
        frm.SetDocument(DocumentOf(doc, file));
        frm.Idle();
    }
    // True when the program ended.
    bool Exit() {
        frm.bExitClick();
        return site.quit;
    }

    Strings Column(int column) const { return test::ColumnCells(frm.ListView1, column); }
    Strings Contents() const { return Column(SnippetTable::kContentColumn); }
    Strings Messages() const {
        Strings texts;
        for (const auto& m : desktop_.messages)
            texts.push_back(m.text);
        return texts;
    }

    FakeFormSite site;
    TfrmMain frm;

private:
    FakeDesktop& desktop_;
};

// A desktop with the program running on it.
struct RunningProgram {
    FakeDesktop desktop;
    ProgramRun run{desktop};
    TfrmMain& frm = run.frm;
};

inline Strings Texts(int n) {
    Strings texts;
    for (int i = 1; i <= n; ++i)
        texts.push_back("t" + std::to_string(i));
    return texts;
}

// Lines joined into a file with CR LF breaks.
inline std::string FileOf(const Strings& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

inline Strings ContentsOf(const std::string& configurationFile) {
    Strings contents;
    for (const PwcEntry& e : ParseConfiguration(configurationFile))
        contents.push_back(e.content);
    return contents;
}

} // namespace pw::test
