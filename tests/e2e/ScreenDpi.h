#pragma once

#include <windows.h>

namespace e2e {

// The screen's DPI as Wine reads it at each program's start, set for one test and put back
// afterwards: the other tests expect 96.
class ScreenDpi {
public:
    explicit ScreenDpi(DWORD dpi) {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                        KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
        DWORD size = sizeof(previous_);
        had_ = RegQueryValueExA(key_, "LogPixels", nullptr, nullptr,
                                reinterpret_cast<BYTE*>(&previous_), &size) == ERROR_SUCCESS;
        set_ = RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                              sizeof(dpi)) == ERROR_SUCCESS;
    }
    ~ScreenDpi() {
        if (had_)
            RegSetValueExA(key_, "LogPixels", 0, REG_DWORD,
                           reinterpret_cast<const BYTE*>(&previous_), sizeof(previous_));
        else
            RegDeleteValueA(key_, "LogPixels");
        RegCloseKey(key_);
    }
    ScreenDpi(const ScreenDpi&) = delete;
    ScreenDpi& operator=(const ScreenDpi&) = delete;
    bool set() const { return set_; }

private:
    HKEY key_ = nullptr;
    DWORD previous_ = 0;
    bool had_ = false;
    bool set_ = false;
};

} // namespace e2e
