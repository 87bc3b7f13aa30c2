#include "SharedState.h"

#include <cstddef>
#include <cstring>

#include "Poll.h"

namespace e2e {

namespace {

// Another program may hold the clipboard open for a moment.
bool openClipboard() {
    return waitUntil([] { return OpenClipboard(nullptr) != 0; });
}

class ClipboardSession {
public:
    ClipboardSession() : open_(openClipboard()) {}
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    ~ClipboardSession() {
        if (open_) {
            CloseClipboard();
        }
    }
    bool open() const noexcept { return open_; }

private:
    bool open_;
};

} // namespace

std::optional<std::string> clipboardText() {
    ClipboardSession session;
    if (!session.open()) {
        return std::nullopt;
    }
    const HANDLE data = GetClipboardData(CF_TEXT);
    if (data == nullptr) {
        return std::nullopt;
    }
    const auto* text = static_cast<const char*>(GlobalLock(data));
    if (text == nullptr) {
        return std::nullopt;
    }
    std::string result(text, strnlen(text, GlobalSize(data)));
    GlobalUnlock(data);
    return result;
}

namespace {

// Hands a global block with these bytes to the open clipboard in the format.
bool putOnClipboard(UINT format, const void* bytes, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) {
        return false;
    }
    if (void* target = GlobalLock(memory)) {
        std::memcpy(target, bytes, size);
        GlobalUnlock(memory);
        if (SetClipboardData(format, memory) != nullptr) {
            return true; // the clipboard owns it now
        }
    }
    GlobalFree(memory);
    return false;
}

} // namespace

bool setClipboardText(const std::string& text) {
    ClipboardSession session;
    return session.open() && EmptyClipboard() &&
           putOnClipboard(CF_TEXT, text.c_str(), text.size() + 1);
}

bool setMarkedClipboardText(const std::string& text, const char* mark) {
    const UINT format = RegisterClipboardFormatA(mark);
    const DWORD markValue = 0;
    ClipboardSession session;
    return format != 0 && session.open() && EmptyClipboard() &&
           putOnClipboard(CF_TEXT, text.c_str(), text.size() + 1) &&
           putOnClipboard(format, &markValue, sizeof markValue);
}

bool emptyClipboard() {
    ClipboardSession session;
    return session.open() && EmptyClipboard();
}

HotkeyReservation::HotkeyReservation(char key)
    : HotkeyReservation(MOD_CONTROL, static_cast<unsigned char>(key)) {}

HotkeyReservation::HotkeyReservation(UINT modifiers, UINT key)
    : id_(0x7000 + static_cast<int>(((modifiers & 0xF) << 8) | (key & 0xFF))),
      held_(RegisterHotKey(nullptr, id_, modifiers, key) != 0) {}

HotkeyReservation::~HotkeyReservation() {
    if (held_) {
        UnregisterHotKey(nullptr, id_);
    }
}

} // namespace e2e
