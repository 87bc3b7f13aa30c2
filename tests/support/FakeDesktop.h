#pragma once

#include "platform/Desktop.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace pw::test {

// A desktop that records every call and answers from a script.
class FakeDesktop : public Desktop {
public:
    struct Registration {
        int id;
        std::uint32_t modifiers;
        std::uint32_t vk;
    };
    struct Message {
        std::string text;
        std::string caption;
        MessageIcon icon;
        MessageButtons buttons;
    };

    // --- script ---
    // Combinations (modifiers, vk) the system refuses, as if another program held them.
    std::set<std::pair<std::uint32_t, std::uint32_t>> heldElsewhere;
    bool refuseUnregister = false;
    bool foreground = true;
    bool clipboardRefuses = false;
    std::deque<MessageAnswer> answers;   // default Ok / Cancel when empty
    std::map<char, std::int16_t> keyMap; // overrides of the US layout below

    // --- record ---
    std::map<int, Registration> registered; // live registrations by id
    std::vector<Registration> registerCalls;
    std::vector<int> unregisterCalls;
    std::vector<Message> messages;
    std::vector<std::vector<KeyStroke>> sentKeys;
    std::optional<std::string> clipboard;
    int clipboardWrites = 0;

    bool RegisterHotkey(int id, std::uint32_t modifiers, std::uint32_t vk) override;
    bool UnregisterHotkey(int id) override;
    std::int16_t KeyForChar(char ch) override;
    bool HasForegroundWindow() override { return foreground; }
    bool SetClipboardText(const std::string& text) override;
    std::optional<std::string> GetClipboardText() override { return clipboard; }
    unsigned SendKeys(std::span<const KeyStroke> keys) override;
    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override;

    // --- files: an in-memory disk ---
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::string appDataFolder = "C:\\users\\me\\AppData\\Roaming\\";
    std::string programFolder = "C:\\Program Files\\Pastewise\\";
    // Consulted before every file operation ("write", "replace", "remove",
    // "read", "mkdir"); a failure it returns is what the operation returns.
    // A failing write still leaves its first half behind, as a full disk does.
    std::function<IoResult(const std::string& operation, const std::string& path)> fault;
    std::vector<std::string> fileOperations; // "write C:\x", ...
    // File dialogs: answered from the front; nullopt is Cancel.
    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<FileDialogRequest> fileDialogs;

    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    bool FileExists(const std::string& path) override { return files.contains(path); }
    IoResult ReadFile(const std::string& path, std::string& bytes) override;
    IoResult WriteFileDurably(const std::string& path, std::string_view bytes) override;
    IoResult MoveReplacing(const std::string& from, const std::string& to) override;
    IoResult RemoveFile(const std::string& path) override;
    IoResult CreateFolders(const std::string& path) override;
    std::string AppDataFolder() override { return appDataFolder; }
    std::string ProgramFolder() override { return programFolder; }

    // The live registration for a combination, if any.
    std::optional<int> IdOf(std::uint32_t modifiers, std::uint32_t vk) const;
};

} // namespace pw::test
