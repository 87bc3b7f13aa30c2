#include "app/TfrmMain.h"

#include "app/MainIds.h"
#include "app/MainLayout.h"
#include "app/StartPlacement.h"
#include "clipboard/ClipboardText.h"
#include "hotkeys/PasteDispatch.h"
#include "hotkeys/TfrmOptions.h"
#include "hotkeys/TfrmSetHotkey.h"
#include "persistence/AtomicWrite.h"
#include "persistence/SettingsFile.h"
#include "platform/Desktop.h"
#include "platform/Product.h"
#include "snippets/ListCommands.h"

#include <algorithm>
#include <cassert>
#include <optional>
#include <string>

namespace pw {

std::string BaseTitle() {
    return std::string(kAppTitle) + " " + kVersion;
}

TfrmMain::TfrmMain(Desktop& desktop) : desktop_(desktop) {
    Design();
    WireHandlers();
}

void TfrmMain::Design() {
    SetWindowClass(kMainWindowClass);
    SetDesignSize(537, 468);
    Place(imgTitle, nullptr, IDC_IMAGE_TITLE, {8, 0, 117, 53});
    Place(Image1, nullptr, IDC_IMAGE_ICON, {12, 8, 32, 32});
    Place(lTitle, nullptr, IDC_LABEL_TITLE, {49, 8, 81, 16}, "orvane.com");
    Place(lTitleHint, nullptr, IDC_LABEL_TITLEHINT, {50, 27, 266, 13},
          "Multiple hotkeys, each pastes saved text.");
    Place(iUpdate, nullptr, IDC_IMAGE_UPDATE, {282, 24, 32, 32});
    Place(lUpdate, nullptr, IDC_LABEL_UPDATE, {306, 24, 96, 13}, "Check for updates...");
    Place(GroupBox2, nullptr, IDC_GROUP_ENTRY, {8, 55, 505, 58});
    Place(eClipString, &GroupBox2, IDC_EDIT_CLIPSTRING, {8, 18, 399, 21}, {},
          "You can input or copy any text string and add it to the list");
    Place(bAdd, &GroupBox2, IDC_BUTTON_ADD, {420, 16, 72, 27}, "&Add");
    Place(cbAutoCopy, nullptr, IDC_CHECK_AUTOCOPY, {16, 122, 175, 21},
          "Enable auto copy from clipboard",
          "Enable auto-adding text from clipboard (e.g., copied via Ctrl+C) to the editing box "
          "above");
    Place(cbAutoAdd, nullptr, IDC_CHECK_AUTOADD, {210, 122, 159, 21},
          "Auto-add clipboard text to list",
          "Enable auto-adding text from clipboard (e.g., copied via Ctrl+C) to the list");
    Place(cbAlwaysOnTop, nullptr, IDC_CHECK_ALWAYSONTOP, {418, 122, 93, 21}, "Always on Top",
          "Keeps " PW_PRODUCT_NAME " window visible above all others");
    Place(ListView1, nullptr, IDC_LISTVIEW, {8, 151, 505, 229}, {},
          "Right click on the mouse to pop up a menu");
    Place(wsiMenu, nullptr, IDC_IMAGE_MENU, {11, 383, 32, 32}, {}, "Click to popup the menu");
    Place(lMenu, nullptr, IDC_LABEL_MENU, {45, 400, 32, 13}, "Menu", "Click to popup the menu");
    Place(bDonate, nullptr, IDC_LABEL_DONATE, {96, 400, 44, 13}, "Donate...");
    Place(bEdit, nullptr, IDC_BUTTON_EDIT, {158, 389, 60, 27}, "&Edit");
    Place(bUp, nullptr, IDC_BUTTON_UP, {229, 389, 60, 27}, "&Up");
    Place(bDown, nullptr, IDC_BUTTON_DOWN, {304, 389, 60, 27}, "&Down");
    Place(bRemove, nullptr, IDC_BUTTON_REMOVE, {379, 389, 60, 27}, "&Remove");
    Place(bExit, nullptr, IDC_BUTTON_EXIT, {450, 389, 60, 27}, "E&xit");

    // The banner: a dark band under white labels until its picture is drawn.
    constexpr ui::Color kBanner{0, 51, 102};
    constexpr ui::Color kWhite{255, 255, 255};
    imgTitle.SetFill(kBanner);
    Image1.SetFill(kBanner);
    Image1.SetIconId(IDI_PASTEWISE);
    for (ui::Label* label : {&lTitle, &lTitleHint, &lUpdate})
        label->SetBackColor(kBanner);
    lTitle.SetFontColor(kWhite);
    lTitleHint.SetFontColor(kWhite);

    ListView1.SetColumns({{"No.", 40}, {"Content", 375}, {"Hotkey", 65}});

    for (ui::MenuItem* item : {&miOptions, &miMenuSep1, &miNewConfiguration, &miLoadConfiguration,
                               &miSaveConfiguration, &miSaveConfigurationAs})
        suiPopupMenu1.Add(*item);
    for (ui::MenuItem* item :
         {&miPopupEdit, &miPopupSep1, &miPopupUp, &miPopupDown, &miPopupRemove, &miPopupSep2})
        PopupMenu1.Add(*item);
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&ListView1, &imgTitle, &lTitle, &lTitleHint, &lUpdate,
                                             &bAdd, &bExit, &bEdit, &bUp, &bDown, &bRemove})
        c->SetContextMenu(&PopupMenu1);
}

void TfrmMain::WireHandlers() {
    // Each control's click runs the handler of its name.
    const auto onClick = [this](auto& control, void (TfrmMain::*handler)()) {
        control.OnClick = [this, handler] { (this->*handler)(); };
    };
    onClick(bAdd, &TfrmMain::bAddClick);
    onClick(bExit, &TfrmMain::bExitClick);
    onClick(cbAutoCopy, &TfrmMain::cbAutoCopyClick);
    onClick(cbAutoAdd, &TfrmMain::cbAutoAddClick);
    onClick(cbAlwaysOnTop, &TfrmMain::cbAlwaysOnTopClick);
    onClick(lMenu, &TfrmMain::lMenuClick);
    onClick(miNewConfiguration, &TfrmMain::miNewConfigurationClick);
    onClick(miLoadConfiguration, &TfrmMain::miLoadConfigurationClick);
    onClick(miSaveConfigurationAs, &TfrmMain::miSaveConfigurationAsClick);
    onClick(miOptions, &TfrmMain::miOptionsClick);
    ListView1.OnDblClick = [this] { ListView1DblClick(); };

    aSaveConfiguration.OnExecute = [this] { aSaveConfigurationExecute(); };
    aSaveConfiguration.OnUpdate = [this] { return aSaveConfigurationUpdate(); };
    miSaveConfiguration.OnClick = [this] { aSaveConfiguration.Execute(); };
    aSaveConfiguration.Link(miSaveConfiguration);
    AddAction(aSaveConfiguration);
    AddShortcut('S', true, aSaveConfiguration);

    struct ActionWiring {
        ui::Action& action;
        void (TfrmMain::*execute)();
        bool (TfrmMain::*update)() const;
        ui::Button& button;
        ui::MenuItem& item;
    };
    const ActionWiring wiring[] = {
        {aEdit, &TfrmMain::aEditExecute, &TfrmMain::aEditUpdate, bEdit, miPopupEdit},
        {aMoveUp, &TfrmMain::aMoveUpExecute, &TfrmMain::aMoveUpUpdate, bUp, miPopupUp},
        {aMoveDown, &TfrmMain::aMoveDownExecute, &TfrmMain::aMoveDownUpdate, bDown, miPopupDown},
        {aRemove, &TfrmMain::aRemoveExecute, &TfrmMain::aRemoveUpdate, bRemove, miPopupRemove},
    };
    for (const ActionWiring& w : wiring) {
        w.action.OnExecute = [this, f = w.execute] { (this->*f)(); };
        w.action.OnUpdate = [this, f = w.update] { return (this->*f)(); };
        ui::Action* action = &w.action;
        w.button.OnClick = [action] { action->Execute(); };
        w.item.OnClick = [action] { action->Execute(); };
        w.action.Link(w.button);
        w.action.Link(w.item);
        AddAction(w.action);
    }
    Idle();
}

SnippetList TfrmMain::List() {
    return SnippetList{table_, hotkeys_, desktop_, [this] { MarkListChanged(); }};
}

ui::FormSite& TfrmMain::NativeWindow() const {
    assert(Site() != nullptr);
    return *Site();
}

DocumentContext TfrmMain::Document() {
    return DocumentContext{document_, *this, List(), saveDialogTitle_, BaseTitle()};
}

void TfrmMain::ShowDocumentTitle() {
    SetCaption(document_.Caption(BaseTitle()));
}

void TfrmMain::SetDocument(DocumentState document) {
    document_ = std::move(document);
    ShowDocumentTitle();
}

void TfrmMain::MarkListChanged() {
    ++changeMarks_;
    document_.MarkChanged();
    ShowDocumentTitle();
}

bool TfrmMain::ExitMustAskToSave() const {
    return document_.MustAskToSave(table_.RowCount(), SaveQuestionFor::Exit);
}

bool TfrmMain::AskSaveChanges() {
    return pw::AskSaveChanges(Document());
}

void TfrmMain::lMenuClick() {
    NativeWindow().Popup(suiPopupMenu1, -1, -1);
}

void TfrmMain::miNewConfigurationClick() {
    NewConfiguration(Document());
}

void TfrmMain::miLoadConfigurationClick() {
    LoadConfiguration(Document());
}

void TfrmMain::aSaveConfigurationExecute() {
    SaveConfiguration(Document());
}

bool TfrmMain::aSaveConfigurationUpdate() const {
    return document_.CanSave();
}

void TfrmMain::miSaveConfigurationAsClick() {
    SaveConfigurationAs(Document());
}

// --- lifecycle ---

void TfrmMain::FormCreate() {
    lUpdate.SetFontColor({255, 255, 255});
    // The hotkey record list starts empty with the next id at 1000: the
    // registry is built that way with the window.
    ShowDocumentTitle();
    LoadSettings();
    // Attach points, in this order: the notification-area icon, the saved
    // taskbar style, the clipboard viewer chain and the layout record.
    NativeWindow().SetPlacement(placement_, firstRun_);
    clipboardChain_.Join();
    closeMode_ = CloseMode::Initial;
}

void TfrmMain::FormShow() {
    LayOutTitleBanner(*this, NativeWindow().ClientWidth());
    cbAutoCopy.SetChecked(settings_.autoCopy);
    cbAutoAdd.SetChecked(settings_.autoAdd);
    cbAlwaysOnTop.SetChecked(settings_.alwaysOnTop);
    if (settings_.alwaysOnTop)
        NativeWindow().SetTopmost(true);
    NativeWindow().Focus(eClipString);
}

bool TfrmMain::FormClose() {
    if (closeMode_ != CloseMode::Exit) {
        closeMode_ = CloseMode::HideToTray;
        // Until the notification area is wired in, hiding is a minimise.
        NativeWindow().PostMinimize();
        return false;
    }
    if (ExitMustAskToSave() && !AskSaveChanges())
        return false;
    if (!SaveSettings())
        return false;
    clipboardChain_.Leave();
    NativeWindow().Quit();
    return true;
}

void TfrmMain::LoadSettings() {
    const std::string path = SettingsFilePath(desktop_);
    std::string bytes;
    firstRun_ = !desktop_.FileExists(path);
    if (!firstRun_) {
        if (const IoResult read = desktop_.ReadFile(path, bytes); !read.ok) {
            // What the file holds is unknown, so writing it at exit could only
            // put defaults over the user's list.
            settingsUnreadable_ = true;
            desktop_.ShowMessage("Unable to read " + path + "\n\n" + read.reason +
                                     "\n\nThe settings file will be left as it is.",
                                 kMessageCaption, MessageIcon::Error, MessageButtons::Ok);
        }
    }
    StoredSettings stored = ReadSettingsFile(bytes, desktop_);
    settings_ = stored.settings;
    document_.SetFile(stored.configurationFile);
    placement_ = PlacementOnScreen(stored.placement, desktop_);
    RestoreStoredList(Document(), std::move(stored.rows));
}

bool TfrmMain::SaveSettings() {
    if (settingsUnreadable_)
        return true;
    const std::string path = SettingsFilePath(desktop_);
    std::string previous;
    if (desktop_.FileExists(path) && !desktop_.ReadFile(path, previous).ok)
        previous.clear(); // unreadable: write it anew rather than not at all
    StoredSettings stored;
    stored.settings = settings_;
    stored.configurationFile = document_.File();
    stored.rows.reserve(static_cast<std::size_t>(table_.RowCount()));
    for (int row = 0; row < table_.RowCount(); ++row)
        stored.rows.push_back({table_.Number(row), table_.Content(row), table_.Hotkey(row)});
    stored.placement = NativeWindow().GetPlacement();
    const IoResult written =
        WriteFileAtomically(desktop_, path, WriteSettingsFile(previous, stored, desktop_));
    if (!written.ok) {
        desktop_.ShowMessage("Unable to write to " + path + "\n\n" + written.reason,
                             kMessageCaption, MessageIcon::Error, MessageButtons::Ok);
        return false;
    }
    return true;
}

void TfrmMain::SessionEnding() {
    SaveSettings();
}

void TfrmMain::FormDestroy() {
    // Normally left at the final close already; a window that goes any other
    // way must not leave a hole in the chain behind it.
    clipboardChain_.Leave();
    hotkeys_.ReleaseEverything();
}

void TfrmMain::ActivateRequest() {
    ui::FormSite& window = NativeWindow();
    window.ShowWindow();
    window.RestoreIfMinimized();
    window.BringToFront();
}

// --- commands ---

void TfrmMain::bAddClick() {
    if (eClipString.Text().empty())
        return;
    AddSnippet(List(), eClipString.Text());
}

void TfrmMain::bExitClick() {
    closeMode_ = CloseMode::Exit;
    NativeWindow().RequestClose();
    // Attach point: the notification-area icon is deleted here, whether or
    // not the close went through.
}

void TfrmMain::aMoveUpExecute() {
    MoveUp(List());
}

bool TfrmMain::aMoveUpUpdate() const {
    return CanMoveUp(table_);
}

void TfrmMain::aMoveDownExecute() {
    MoveDown(List());
}

bool TfrmMain::aMoveDownUpdate() const {
    return CanMoveDown(table_);
}

void TfrmMain::aRemoveExecute() {
    RemoveSelected(List());
}

bool TfrmMain::aRemoveUpdate() const {
    return CanRemove(table_);
}

void TfrmMain::aEditExecute() {
    const int row = table_.Selected();
    if (row < 0)
        return;
    const std::string content = table_.Content(row);
    const std::string hotkey = table_.Hotkey(row);

    TfrmSetHotkey dialog(table_, hotkeys_, desktop_, settings_.optionsHotkeys);
    dialog.eClipStr.SetText(content);
    dialog.eHotkey.SetText(hotkey);
    dialog.InitialHotkey = dialog.eHotkey.Text();
    dialog.EditedRow = row;
    NativeWindow().RunModal(dialog);

    // However the dialog was closed: an Unregister followed by Cancel has
    // changed the row too.
    if (table_.Content(row) != content || table_.Hotkey(row) != hotkey)
        MarkListChanged();
}

bool TfrmMain::aEditUpdate() const {
    return CanEdit(table_);
}

void TfrmMain::ListView1DblClick() {
    if (table_.Selected() >= 0)
        aEdit.Execute();
}

void TfrmMain::cbAutoCopyClick() {
    settings_.autoCopy = cbAutoCopy.Checked();
}

void TfrmMain::cbAutoAddClick() {
    settings_.autoAdd = cbAutoAdd.Checked();
}

void TfrmMain::cbAlwaysOnTopClick() {
    settings_.alwaysOnTop = cbAlwaysOnTop.Checked();
    NativeWindow().SetTopmost(settings_.alwaysOnTop);
}

void TfrmMain::HotkeyPressed(std::int32_t id) {
    DispatchHotkey(id, hotkeys_, table_, desktop_, settings_.autoAdd);
}

void TfrmMain::ClipboardChanged() {
    desktop_.Pause(kClipboardSettleMs);
    clipboardChain_.PassOnDrawClipboard();
    // Auto-copy follows the box as it stands, auto-add the setting, which a
    // hotkey paste switches off for its own clipboard write. That covers the
    // notification only when the system hands it straight to us; with another
    // viewer ahead of us in the chain it arrives after the paste, so a
    // clipboard that still holds our own paste is never added either.
    const bool autoCopy = cbAutoCopy.Checked();
    const bool autoAdd = settings_.autoAdd && !desktop_.ClipboardHoldsOwnText();
    if (!autoCopy && !autoAdd)
        return;
    std::optional<std::string> text = TakeClipboardText(desktop_);
    if (!text)
        return;
    if (autoCopy)
        eClipString.SetText(*text);
    if (autoAdd)
        AddSnippet(List(), std::move(*text));
}

void TfrmMain::ClipboardChainChanged(WindowRef leaving, WindowRef following) {
    clipboardChain_.ChainChanged(leaving, following);
}

void TfrmMain::miOptionsClick() {
    const int n = std::min(table_.RowCount(), static_cast<int>(optionsSnapshot_.size()));
    for (int row = 0; row < n; ++row)
        optionsSnapshot_[static_cast<std::size_t>(row)] = table_.Hotkey(row);

    TfrmOptions dialog(table_, hotkeys_, desktop_, settings_.optionsHotkeys);
    NativeWindow().RunModal(dialog);

    // Rows are only ever appended while the dialog is open, so rows 1 to n
    // are still the rows that were snapshotted.
    for (int row = 0; row < n && row < table_.RowCount(); ++row) {
        if (table_.Hotkey(row) != optionsSnapshot_[static_cast<std::size_t>(row)]) {
            MarkListChanged();
            break;
        }
    }
}

} // namespace pw
