#pragma once

#include "about/WlmShiftImage.h"
#include "app/DocumentCommands.h"
#include "app/MainLayout.h"
#include "app/TrayIcon.h"
#include "app/WindowStates.h"
#include "clipboard/ClipboardViewerChain.h"
#include "hotkeys/HotkeyRegistry.h"
#include "hotkeys/PasteQueue.h"
#include "persistence/DocumentState.h"
#include "persistence/Settings.h"
#include "snippets/SnippetList.h"
#include "snippets/SnippetTable.h"
#include "ui/Action.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/SystemCommand.h"

#include <cstdint>
#include <functional>
#include <string>

namespace pw {

class Desktop;

// What closing the main window does.
enum class CloseMode : std::int32_t {
    Initial = -1,   // nothing asked yet; minimise is an ordinary minimise
    HideToTray = 1, // the user closed it once: close (and minimise) hide it
    Exit = 2,       // the next close ends the program
};

// The main window: owns the snippet rows, the hotkeys and the settings from
// start-up to exit. Handlers are short and hand the work to the subsystems.
// Its native window (a fake one in tests) is attached before any handler runs.
class TfrmMain : public ui::Form {
public:
    explicit TfrmMain(Desktop& desktop);
    // The chain left and the hotkeys released, whether or not the window went first.
    ~TfrmMain() override;

    // --- controls, in the design's order ---
    ui::Image imgTitle{"imgTitle"};
    ui::Image Image1{"Image1"};
    ui::Label lTitle{"lTitle"};
    ui::Label lTitleHint{"lTitleHint"};
    ui::Image iUpdate{"iUpdate"};
    ui::Label lUpdate{"lUpdate"};
    ui::GroupBox GroupBox2{"GroupBox2"};
    ui::Edit eClipString{"eClipString"};
    ui::Button bAdd{"bAdd"};
    ui::CheckBox cbAutoCopy{"cbAutoCopy"};
    ui::CheckBox cbAutoAdd{"cbAutoAdd"};
    ui::CheckBox cbAlwaysOnTop{"cbAlwaysOnTop"};
    ui::ListView ListView1{"ListView1"};
    TWlmShiftImage wsiMenu{"wsiMenu"};
    ui::Label lMenu{"lMenu"};
    ui::Label bDonate{"bDonate"};
    ui::Button bEdit{"bEdit"};
    ui::Button bUp{"bUp"};
    ui::Button bDown{"bDown"};
    ui::Button bRemove{"bRemove"};
    ui::Button bExit{"bExit"};

    ui::Action aEdit{"aEdit", "&Edit"};
    ui::Action aMoveUp{"aMoveUp", "&Up"};
    ui::Action aMoveDown{"aMoveDown", "&Down"};
    ui::Action aRemove{"aRemove", "&Remove"};

    ui::Action aSaveConfiguration{"aSaveConfiguration", "&Save Configuration"};
    // F10, the key that reaches a window's menu.
    ui::Action aMainMenu{"aMainMenu", "Menu"};

    // The main menu, opened by the "Menu" link and the picture beside it.
    ui::PopupMenu suiPopupMenu1{"suiPopupMenu1"};
    ui::MenuItem miHomePage{"miHomePage", "&Home Page"};
    ui::MenuItem miMenuSep0{"miMenuSep0", "", true};
    ui::MenuItem miOptions{"miOptions", "&Options..."};
    ui::MenuItem miMenuSep1{"miMenuSep1", "", true};
    ui::MenuItem miNewConfiguration{"miNewConfiguration", "&New Configuration"};
    ui::MenuItem miLoadConfiguration{"miLoadConfiguration", "&Load Configuration..."};
    ui::MenuItem miSaveConfiguration{"miSaveConfiguration", "&Save Configuration\tCtrl+S"};
    ui::MenuItem miSaveConfigurationAs{"miSaveConfigurationAs", "Sa&ve Configuration As..."};
    ui::MenuItem miMenuSep2{"miMenuSep2", "", true};
    ui::MenuItem miDonate{"miDonate", "&Donate"};
    ui::MenuItem miMenuSep3{"miMenuSep3", "", true};
    ui::MenuItem miUpdate{"miUpdate", "Check for Update"};
    ui::MenuItem miMenuSep4{"miMenuSep4", "", true};
    ui::MenuItem miAbout{"miAbout", "&About..."};

    // The notification-area icon's menu.
    ui::PopupMenu pmSelf{"pmSelf"};
    ui::MenuItem miOpen{"miOpen", "&Open"};
    ui::MenuItem miSelfSep1{"miSelfSep1", "", true};
    ui::MenuItem miHomepage{"miHomepage", "&Hompage"};
    ui::MenuItem miCheckforUpdate{"miCheckforUpdate", "&Check for Update"};
    ui::MenuItem miSelfSep2{"miSelfSep2", "", true};
    ui::MenuItem miExit{"miExit", "&Exit"};

    ui::PopupMenu PopupMenu1{"PopupMenu1"};
    ui::MenuItem miPopupEdit{"miPopupEdit", "&Edit"};
    ui::MenuItem miPopupSep1{"miPopupSep1", "", true};
    ui::MenuItem miPopupUp{"miPopupUp", "&Up"};
    ui::MenuItem miPopupDown{"miPopupDown", "&Down"};
    ui::MenuItem miPopupRemove{"miPopupRemove", "&Remove"};
    ui::MenuItem miPopupSep2{"miPopupSep2", "", true};

    // --- lifecycle handlers ---
    void FormCreate();
    void FormShow();
    // Returns whether the window may close now.
    bool FormClose();
    void FormDestroy();
    void ActivateRequest();
    // Lays the controls out for the window's size; the first sizes, before the
    // layout is recorded, leave them alone.
    void FormResize();
    // The window moved to a screen of another DPI (its size follows).
    void DpiChanged();
    // Into the topmost band or out of it, keeping place and size.
    void SetAlwaysOnTop(bool on);
    // The session is ending (log-off, shutdown): the settings are written
    // without a question, since the process is ended right after.
    void SessionEnding();

    // The settings file: read once during creation, written once on the way out.
    void LoadSettings();
    // False when the file could not be written (the user was told).
    bool SaveSettings();

    // --- command handlers ---
    void bAddClick();
    void bExitClick();
    void aMoveUpExecute();
    bool aMoveUpUpdate() const;
    void aMoveDownExecute();
    bool aMoveDownUpdate() const;
    void aRemoveExecute();
    bool aRemoveUpdate() const;
    void aEditExecute();
    bool aEditUpdate() const;
    void ListView1DblClick();
    void lMenuClick();
    void aMainMenuExecute();
    void miNewConfigurationClick();
    void miLoadConfigurationClick();
    void aSaveConfigurationExecute();
    bool aSaveConfigurationUpdate() const;
    void miSaveConfigurationAsClick();
    void miOptionsClick();
    void cbAutoCopyClick();
    void cbAutoAddClick();
    void cbAlwaysOnTopClick();
    // The links to the maker's pages, and the about box.
    void Image1Click();
    void lTitleClick();
    void lUpdateClick();
    void miCheckforUpdateClick();
    void miHomepageClick();
    void bDonateClick();
    void About1Click();
    // In the user's browser, with the hourglass while the shell works.
    void OpenWebPage(const std::string& address);

    // --- the notification area and the window states ---
    // The shell's message for the mouse over the icon.
    void TrayIconMessage(TrayClick click);
    void RestoreFromTray();
    // A command of the system menu or a caption button; `systemDefault` is
    // the system's own handling.
    void SystemCommand(ui::SystemCommand command, std::intptr_t lParam,
                       const std::function<void()>& systemDefault);
    // The shell has started again, without the icons it had.
    void TaskbarCreated();
    const TrayIcon& Tray() const { return trayIcon_; }
    const WindowStates& States() const { return windowStates_; }

    // --- system messages ---
    // `key` is the hotkey's own key, when the system says.
    void HotkeyPressed(std::int32_t id, std::uint16_t key = 0);
    // The clipboard viewer chain's two notifications.
    void ClipboardChanged();
    void ClipboardChainChanged(WindowRef leaving, WindowRef following);
    // The text of the last paste was read, or left the clipboard unread.
    void ClipboardTextRead(ClipboardReader reader);
    void ClipboardTextReplaced();
    void TimerElapsed(unsigned id);

    // --- state the other parts of the program read ---
    SnippetTable& Table() { return table_; }
    const SnippetTable& Table() const { return table_; }
    HotkeyRegistry& Hotkeys() { return hotkeys_; }
    const HotkeyRegistry& Hotkeys() const { return hotkeys_; }
    const ClipboardViewerChain& ClipboardChain() const { return clipboardChain_; }
    const PasteQueue& Pastes() const { return pastes_; }
    SnippetList List();
    DocumentContext Document();
    const DocumentState& CurrentDocument() const { return document_; }
    // Puts the list in this document state; the caption follows.
    void SetDocument(DocumentState document);
    const std::string& CurrentConfigurationFile() const { return document_.File(); }
    void SetCurrentConfigurationFile(std::string path) { document_.SetFile(std::move(path)); }
    Settings& CurrentSettings() { return settings_; }
    CloseMode GetCloseMode() const { return closeMode_; }
    // How many times the list was marked as changed (the caption shows a mark
    // only while a document is open).
    int ChangeMarks() const { return changeMarks_; }
    void MarkListChanged();
    // The exit form of the unsaved-changes test, and the question itself.
    bool ExitMustAskToSave() const;
    bool AskSaveChanges();

private:
    void Design();
    void ShowPictures();
    void WireHandlers();
    void ShowDocumentTitle();
    ui::FormSite& NativeWindow() const;

    Desktop& desktop_;
    SnippetTable table_{ListView1, desktop_};
    HotkeyRegistry hotkeys_{desktop_};
    ClipboardViewerChain clipboardChain_{desktop_};
    TrayIcon trayIcon_{desktop_};
    WindowStates windowStates_{desktop_, trayIcon_};
    // The hotkeys of rows 1 to 10 as they were when the Options dialog opened.
    OptionsHotkeys optionsSnapshot_;
    Settings settings_;
    PasteQueue pastes_{desktop_, settings_.autoAdd};
    CloseMode closeMode_ = CloseMode::Initial;
    int changeMarks_ = 0;
    DocumentState document_;
    ui::WindowPlacement placement_;
    bool firstRun_ = false;
    // The settings file was there but could not be read at start-up.
    bool settingsUnreadable_ = false;
    std::string saveDialogTitle_;
    MainLayout layout_{{imgTitle, Image1, iUpdate, lUpdate, GroupBox2, eClipString, bAdd,
                        cbAlwaysOnTop, ListView1, wsiMenu, lMenu, bDonate, bEdit, bUp, bDown,
                        bRemove, bExit}};
};

std::string BaseTitle();

} // namespace pw
