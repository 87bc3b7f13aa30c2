#include "support/FakeDesktop.h"

namespace pw::test {

bool FakeDesktop::RegisterHotkey(int id, std::uint32_t modifiers, std::uint32_t vk) {
    registerCalls.push_back({id, modifiers, vk});
    // Like the system: a combination is refused when held elsewhere or already
    // registered here, and an id cannot be registered twice.
    if (heldElsewhere.contains({modifiers, vk}) || IdOf(modifiers, vk) || registered.contains(id))
        return false;
    registered[id] = {id, modifiers, vk};
    return true;
}

bool FakeDesktop::UnregisterHotkey(int id) {
    unregisterCalls.push_back(id);
    if (refuseUnregister)
        return false;
    return registered.erase(id) == 1;
}

namespace {

// What the system's layout lookup answers: low byte the key, high byte the
// shift state, -1 for none.
std::int16_t LayoutAnswer(const std::map<char32_t, std::int16_t>& keyMap, char32_t ch) {
    if (auto it = keyMap.find(ch); it != keyMap.end())
        return it->second;
    // A US layout, as Wine reports it.
    if (ch > 0x7F)
        return -1;
    const auto c = static_cast<unsigned char>(ch);
    if (c >= '0' && c <= '9')
        return static_cast<std::int16_t>(c);
    if (c >= 'A' && c <= 'Z')
        return static_cast<std::int16_t>(0x100 | c);
    if (c >= 'a' && c <= 'z')
        return static_cast<std::int16_t>(c - 'a' + 'A');
    switch (c) {
    case ' ':
        return 0x20;
    case '*':
        return 0x138;
    case '+':
        return 0x1BB;
    case '-':
        return 0xBD;
    case '.':
        return 0xBE;
    case '/':
        return 0xBF;
    case ';':
        return 0xBA;
    case ':':
        return 0x1BA;
    case '<':
        return 0x1BC;
    case '=':
        return 0xBB;
    case '>':
        return 0x1BE;
    case '?':
        return 0x1BF;
    case '@':
        return 0x132;
    default:
        return -1;
    }
}

} // namespace

std::optional<std::uint16_t> FakeDesktop::KeyForChar(char32_t ch) {
    const auto vk = static_cast<std::uint16_t>(LayoutAnswer(keyMap, ch) & 0xFF);
    return vk == 0xFF ? std::nullopt : std::optional(vk);
}

bool FakeDesktop::OfferClipboardText(const std::string& text) {
    if (clipboardRefuses)
        return false;
    clipboard = text;
    ownWrite = text;
    offers.push_back(text);
    if (onClipboardWrite)
        onClipboardWrite();
    return true;
}

unsigned FakeDesktop::SendKeys(std::span<const KeyStroke> keys) {
    sentKeys.emplace_back(keys.begin(), keys.end());
    return static_cast<unsigned>(keys.size());
}

MessageAnswer FakeDesktop::ShowMessage(const std::string& text, const std::string& caption,
                                       MessageIcon icon, MessageButtons buttons) {
    messages.push_back({text, caption, icon, buttons});
    if (!answers.empty()) {
        MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::optional<std::string> FakeDesktop::ChooseFile(const FileDialogRequest& request) {
    fileDialogs.push_back(request);
    if (fileAnswers.empty())
        return std::nullopt;
    std::optional<std::string> answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

namespace {
IoResult Check(const FakeDesktop& d, const char* operation, const std::string& path) {
    return d.fault ? d.fault(operation, path) : IoResult::Success();
}
} // namespace

IoResult FakeDesktop::ReadFile(const std::string& path, std::string& bytes) {
    fileOperations.push_back("read " + path);
    if (IoResult r = Check(*this, "read", path); !r.ok)
        return r;
    auto it = files.find(Resolve(path));
    if (it == files.end())
        return IoResult::Failure("The system cannot find the file specified.");
    bytes = it->second;
    return IoResult::Success();
}

IoResult FakeDesktop::WriteFileDurably(const std::string& path, std::string_view bytes) {
    fileOperations.push_back("write " + path);
    const std::string target = Resolve(path);
    if (IoResult r = CheckWritable(target); !r.ok)
        return r;
    if (IoResult r = Check(*this, "write", path); !r.ok) {
        files[target] = std::string(bytes.substr(0, bytes.size() / 2));
        return r;
    }
    files[target] = std::string(bytes);
    return IoResult::Success();
}

IoResult FakeDesktop::MoveReplacing(const std::string& from, const std::string& to) {
    fileOperations.push_back("replace " + to);
    if (IoResult r = Check(*this, "replace", to); !r.ok)
        return r;
    auto it = files.find(from);
    if (it == files.end())
        return IoResult::Failure("The system cannot find the file specified.");
    files[to] = std::move(it->second);
    files.erase(from);
    readOnly.erase(to);
    links.erase(to);
    return IoResult::Success();
}

IoResult FakeDesktop::CheckWritable(const std::string& path) {
    return readOnly.contains(path) && files.contains(path) ? IoResult::Failure("Access is denied.")
                                                           : IoResult::Success();
}

std::string FakeDesktop::Resolve(const std::string& path) const {
    std::string at = path;
    for (int hop = 0; hop < 32; ++hop) { // a loop of links names nothing further
        const auto link = links.find(at);
        if (link == links.end())
            break;
        at = link->second;
    }
    return at;
}

IoResult FakeDesktop::RemoveFile(const std::string& path) {
    fileOperations.push_back("remove " + path);
    if (IoResult r = Check(*this, "remove", path); !r.ok)
        return r;
    return files.erase(path) == 1 ? IoResult::Success()
                                  : IoResult::Failure("The system cannot find the file specified.");
}

IoResult FakeDesktop::CreateFolder(const std::string& path) {
    fileOperations.push_back("mkdir " + path);
    if (IoResult r = Check(*this, "mkdir", path); !r.ok)
        return r;
    if (roots.contains(path) || path.find('\\', 2) == std::string::npos)
        return IoResult::Failure("Access is denied."); // a share or a server
    if (!FolderExists(path.substr(0, path.find_last_of('\\'))))
        return IoResult::Failure("The system cannot find the path specified.");
    folders.insert(path);
    return IoResult::Success();
}

std::optional<int> FakeDesktop::IdOf(std::uint32_t modifiers, std::uint32_t vk) const {
    for (const auto& [id, r] : registered)
        if (r.modifiers == modifiers && r.vk == vk)
            return id;
    return std::nullopt;
}

} // namespace pw::test
