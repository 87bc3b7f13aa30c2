#include "app/TfrmMain.h"

#include "about/TfrmAbout.h"
#include "about/WebAddresses.h"
#include "app/MainIds.h"
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
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace pw {

std::string BaseTitle() {
    return std::string(kAppTitle) + " " + kVersion;
}

TfrmMain::TfrmMain(Desktop& desktop) : desktop_(desktop) {
    Design();
    ShowPictures();
    WireHandlers();
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

void TfrmMain::aMainMenuExecute() {
    NativeWindow().PopupFromKeyboard(suiPopupMenu1, lMenu);
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
    // The hotkey record list starts empty with the next id at 1000: the
    // registry is built that way with the window.
    ShowDocumentTitle();
    LoadSettings();
    // The icon is there from the start, beside the window about to be shown.
    trayIcon_.Add();
    // The layout is recorded before the stored placement resizes the window.
    layout_.Record(*this, NativeWindow());
    NativeWindow().SetPlacement(placement_, firstRun_);
    clipboardChain_.Join();
    closeMode_ = CloseMode::Initial;
}

void TfrmMain::FormShow() {
    layout_.LayOutTitleBanner(NativeWindow());
    cbAutoCopy.SetChecked(settings_.autoCopy);
    cbAutoAdd.SetChecked(settings_.autoAdd);
    cbAlwaysOnTop.SetChecked(settings_.alwaysOnTop);
    if (settings_.alwaysOnTop)
        SetAlwaysOnTop(true);
    NativeWindow().Focus(eClipString);
}

bool TfrmMain::FormClose() {
    if (closeMode_ != CloseMode::Exit) {
        closeMode_ = CloseMode::HideToTray;
        // The minimize hides the window in the notification area now.
        NativeWindow().PostMinimize();
        return false;
    }
    if (ExitMustAskToSave() && !AskSaveChanges())
        return false;
    if (!SaveSettings())
        return false;
    clipboardChain_.Leave();
    // Only now: a refused exit leaves a hidden window that the icon alone
    // brings back.
    trayIcon_.Delete();
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
    windowStates_.SetRestoredBounds(placement_.normal);
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
    // Not the system's: its rectangle is the maximized one after a start in
    // that state, and counts from the work area, not the screen.
    stored.placement.normal = windowStates_.RestoredBoundsToStore(stored.placement);
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

TfrmMain::~TfrmMain() {
    if (const std::function<void()> going = std::exchange(OnGoing, nullptr))
        going();
    FormDestroy();
}

void TfrmMain::FormDestroy() {
    // Normally left at the final close already; a window that goes any other
    // way must not leave a hole in the chain behind it.
    clipboardChain_.Leave();
    hotkeys_.ReleaseEverything();
    pastes_.Clear();
}

void TfrmMain::ActivateRequest() {
    ui::FormSite& window = NativeWindow();
    window.ShowWindow();
    window.RestoreIfMinimized();
    window.BringToFront();
}

// --- size and place ---

void TfrmMain::FormResize() {
    layout_.Resize(NativeWindow());
}

void TfrmMain::DpiChanged() {
    ScaleToDpi(NativeWindow().Dpi());
    FormResize();
}

void TfrmMain::SetAlwaysOnTop(bool on) {
    NativeWindow().SetTopmost(on);
}

// --- the notification area and the window states ---

void TfrmMain::TrayIconMessage(TrayClick click) {
    switch (click) {
    case TrayClick::Left:
        RestoreFromTray();
        if (ListView1.Visible() && ListView1.RowCount() > 0)
            ListView1.Select(0);
        break;
    case TrayClick::Right:
        // In front first: a menu of a background window would not close
        // when the user clicks elsewhere.
        NativeWindow().BringToFront();
        NativeWindow().Popup(pmSelf, -1, -1);
        break;
    case TrayClick::Other:
        break;
    }
}

void TfrmMain::RestoreFromTray() {
    windowStates_.RestoreFromTray(NativeWindow());
}

void TfrmMain::SystemCommand(ui::SystemCommand command, std::intptr_t lParam,
                             const std::function<void()>& systemDefault) {
    windowStates_.SystemCommand(NativeWindow(), command, lParam,
                                closeMode_ == CloseMode::HideToTray, systemDefault);
}

void TfrmMain::TaskbarCreated() {
    trayIcon_.ShellRestarted();
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
    SetAlwaysOnTop(settings_.alwaysOnTop);
}

void TfrmMain::HotkeyPressed(std::int32_t id, std::uint16_t key) {
    DispatchHotkey(id, key, hotkeys_, table_, pastes_);
}

void TfrmMain::ClipboardChanged() {
    // Our own paste needs neither the pause nor a read: its text is known,
    // and a read of ours would be taken for the target's.
    const bool own = desktop_.ClipboardHoldsOwnText();
    // The pause lets the program that copied finish writing; the notice sent
    // at the join has no such writer, and would hold up every start-up.
    if (!own && !clipboardChain_.Joining())
        desktop_.Pause(kClipboardSettleMs);
    clipboardChain_.PassOnDrawClipboard();
    // Auto-copy follows the box as it stands, auto-add the setting, which a
    // hotkey paste switches off for its own clipboard write. That covers the
    // notification only when the system hands it straight to us; with another
    // viewer ahead of us in the chain it arrives after the paste, so a
    // clipboard that still holds our own paste is never added either.
    const bool autoCopy = cbAutoCopy.Checked();
    const bool autoAdd = settings_.autoAdd && !own;
    if (!autoCopy && !autoAdd)
        return;
    std::optional<std::string> text =
        own ? std::string(TrimClipboardText(pastes_.OfferedText())) : TakeClipboardText(desktop_);
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

void TfrmMain::ClipboardTextRead(ClipboardReader reader) {
    pastes_.TextRead(reader);
}

void TfrmMain::ClipboardTextReplaced() {
    pastes_.TextReplaced();
}

void TfrmMain::TimerElapsed(unsigned id) {
    pastes_.TimerElapsed(id);
}

// --- the maker's pages and the about box ---

void TfrmMain::OpenWebPage(const std::string& address) {
    desktop_.OpenWebPage(address);
}

void TfrmMain::Image1Click() {
    OpenWebPage(kProductHomePage);
}

// The banner's site name stands for the maker, not for this product.
void TfrmMain::lTitleClick() {
    OpenWebPage(kMakerHomePage);
}

void TfrmMain::lUpdateClick() {
    OpenWebPage(kUpdatePage);
}

void TfrmMain::miCheckforUpdateClick() {
    OpenWebPage(kUpdatePage);
}

void TfrmMain::miHomepageClick() {
    OpenWebPage(kProductHomePage);
}

void TfrmMain::bDonateClick() {
    OpenWebPage(kDonationPage);
}

void TfrmMain::About1Click() {
    TfrmAbout dialog(desktop_);
    dialog.Image1.SetIconId(IDI_PASTEWISE);
    NativeWindow().RunModal(dialog);
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
