#pragma once

#include <windows.h>

#include <string>
#include <thread>

namespace pw::win32 {

// The user's application-data folder, as the shell reports it.
//
// The shell builds its folder objects for the first lookup, which takes
// several milliseconds of every start-up; looked up ahead on a thread of its
// own, it runs while the window is made.
class Win32AppDataFolder {
public:
    Win32AppDataFolder() = default;
    ~Win32AppDataFolder();
    Win32AppDataFolder(const Win32AppDataFolder&) = delete;
    Win32AppDataFolder& operator=(const Win32AppDataFolder&) = delete;

    // Later lookups are the main window's.
    void SetMainWindow(HWND hwnd) { main_ = hwnd; }
    // Starts the lookup whose answer the next Folder() takes.
    void LookUpAhead();
    // Ends in a backslash; empty when the shell does not say.
    std::string Folder();

private:
    void Wait();

    HWND main_ = nullptr;
    bool ahead_ = false;
    std::thread thread_;
    std::string answer_; // the thread's, until it is joined
};

} // namespace pw::win32
