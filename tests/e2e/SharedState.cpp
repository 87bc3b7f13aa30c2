#include "SharedState.h"

#include <cstddef>
#include <cstring>
#include <cwchar>

#include "Poll.h"
#include "Utf8.h"

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
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) {
        return std::nullopt;
    }
    const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
    if (text == nullptr) {
        return std::nullopt;
    }
    std::string result = toUtf8({text, wcsnlen(text, GlobalSize(data) / sizeof(wchar_t))});
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

// Hands the UTF-8 text to the open clipboard as Unicode text.
bool putTextOnClipboard(const std::string& text) {
    const std::wstring wide = toWide(text);
    return putOnClipboard(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

} // namespace

bool setClipboardText(const std::string& text) {
    ClipboardSession session;
    return session.open() && EmptyClipboard() && putTextOnClipboard(text);
}

bool setMarkedClipboardText(const std::string& text, const char* mark) {
    const UINT format = RegisterClipboardFormatW(toWide(mark).c_str());
    const DWORD markValue = 0;
    ClipboardSession session;
    return format != 0 && session.open() && EmptyClipboard() && putTextOnClipboard(text) &&
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
