// Start-up time of the real program with a short and a long list in its
// settings file: from CreateProcess until the main window is idle with every
// row in its list view, against the floor (bench_startup_floor beside this
// program), the same kind of window at its least, timed the same way. The
// floor is timed a second time with the main window's other windows in it
// (--main-window-controls), to tell what those windows cost apart from the
// program's own work. Built for Windows only; run it under Wine on a display.
#include "app/MainIds.h"
#include "platform/Product.h"
#include "persistence/SettingsFile.h"

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

std::string SettingsPath() {
    char appData[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData);
    const std::string folder = std::string(appData) + "\\Orvane\\Pastewise\\";
    CreateDirectoryA((std::string(appData) + "\\Orvane").c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "options.ini";
}

bool WriteSettings(int rows) {
    pw::StoredSettings stored;
    for (int i = 0; i < rows; ++i)
        stored.rows.push_back({std::to_string(i + 1), "Snippet number " + std::to_string(i),
                               i < 10 ? "Ctrl " + std::to_string((i + 1) % 10) : ""});
    const std::string bytes = pw::WriteSettingsFile("", stored);
    HANDLE file = CreateFileA(SettingsPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

// Milliseconds until the program shows all rows and waits for input; -1 on failure.
double TimeStart(const std::string& exe, const char* windowClass, int rows,
                 const char* arguments = "") {
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    std::string command = "\"" + exe + "\" " + arguments;
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        return -1;
    double elapsed = -1;
    for (int tries = 0; tries < 6000; ++tries) {
        HWND main = FindWindowA(windowClass, nullptr);
        HWND list = main != nullptr ? GetDlgItem(main, IDC_LISTVIEW) : nullptr;
        if (list != nullptr && SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == rows &&
            WaitForInputIdle(pi.hProcess, 0) == 0) {
            elapsed =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            break;
        }
        Sleep(1);
    }
    TerminateProcess(pi.hProcess, 0); // no exit: the settings file stays as written
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    // The window system and the shell are still tidying up after the ended
    // process (its windows, hotkeys and icon); the next start waits for
    // that, so that each start finds the machine as idle as the first.
    Sleep(300);
    return elapsed;
}

std::string FloorPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string floor = path;
    floor.resize(floor.find_last_of('\\') + 1);
    return floor + "bench_startup_floor.exe";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: bench_startup <path of Pastewise.exe>\n");
        return 2;
    }
    constexpr int kRounds = 10;
    double floor = 1e300, windows = 1e300, best10 = 1e300, best100k = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        floor = std::min(floor, TimeStart(FloorPath(), "PastewiseStartFloor", 10));
        windows = std::min(
            windows, TimeStart(FloorPath(), "PastewiseStartFloor", 10, "--main-window-controls"));
        if (!WriteSettings(10))
            return 1;
        best10 = std::min(best10, TimeStart(argv[1], pw::kMainWindowClass, 10));
        if (!WriteSettings(100000))
            return 1;
        best100k = std::min(best100k, TimeStart(argv[1], pw::kMainWindowClass, 100000));
    }
    DeleteFileA(SettingsPath().c_str());
    std::printf("start-up until idle with every row shown (best of %d):\n", kRounds);
    std::printf("  floor: %.0f ms; 10 rows: %.0f ms (%.2f x floor); 100k rows: %.0f ms (%.2f x 10 "
                "rows)\n",
                floor, best10, best10 / floor, best100k, best100k / best10);
    std::printf("  the floor with the main window's other windows, plain: %.0f ms (%.2f x floor); "
                "10 rows: %.2f x that\n",
                windows, windows / floor, best10 / windows);
    const bool measured = floor > 0 && windows > 0 && best10 > 0 && best100k > 0;
    const bool quick = measured && best10 <= 1.3 * floor;
    const bool scales = measured && best100k <= 2 * best10;
    std::printf("goal: 10 rows start in at most 1.3 times the floor: %s\n",
                quick ? "met" : "NOT met");
    std::printf("goal: 100k rows start in at most twice the time of 10 rows: %s\n",
                scales ? "met" : "NOT met");
    return quick && scales ? 0 : 1;
}
