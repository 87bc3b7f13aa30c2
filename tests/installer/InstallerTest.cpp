// The installer and uninstaller in silent mode, in a Wine prefix of their own that no Pastewise
// was ever installed into. The tests build on each other and run in this order.

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <optional>
#include <string>

#include "InstallerPaths.h"
#include "PastewiseApp.h"
#include "Poll.h"
#include "Process.h"
#include "TestFiles.h"
#include "WindowQuery.h"
#include "app/MainIds.h"
#include "platform/Product.h"

namespace installer {
namespace {

using e2e::milliseconds;
using e2e::quoted;

constexpr const char* kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" PW_PRODUCT_NAME;
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// The exit code of an installer or uninstaller that found Pastewise running.
constexpr DWORD kPastewiseRunning = 2;
constexpr milliseconds kSetupTimeout{60000};

std::string shellFolder(int csidl) {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, 0, path))) {
        ADD_FAILURE() << "no shell folder " << csidl;
    }
    return path;
}

std::string installFolder() {
    return shellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\" PW_PRODUCT_NAME;
}

std::string installedProgram() {
    return installFolder() + "\\Pastewise.exe";
}

std::string shortcutFile() {
    return shellFolder(CSIDL_PROGRAMS) + "\\" PW_PRODUCT_NAME ".lnk";
}

bool folderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool userKeyExists(const char* key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(handle);
    return true;
}

// A value under HKEY_CURRENT_USER: a string as it is, a number in decimal.
std::optional<std::string> userValue(const char* key, const char* name) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::array<char, 2048> data{};
    DWORD type = 0;
    DWORD size = data.size() - 1;
    const LONG read =
        RegQueryValueExA(handle, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    RegCloseKey(handle);
    if (read != ERROR_SUCCESS) {
        return std::nullopt;
    }
    if (type == REG_DWORD) {
        DWORD number = 0;
        std::memcpy(&number, data.data(), sizeof number);
        return std::to_string(number);
    }
    if (type != REG_SZ) {
        return "(registry type " + std::to_string(type) + ")";
    }
    return std::string(data.data());
}

// The program a shell link starts, or empty.
std::string shortcutTarget(const std::string& link) {
    CoInitialize(nullptr);
    std::string target;
    IShellLinkA* shellLink = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shellLink)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(
                shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            const std::wstring wide(link.begin(), link.end());
            char path[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) &&
                shellLink->GetPath(path, MAX_PATH, nullptr, 0) == S_OK) {
                target = path;
            }
            file->Release();
        }
        shellLink->Release();
    }
    CoUninitialize();
    return target;
}

// The program file a process runs.
std::string imageOf(DWORD processId) {
    const e2e::UniqueHandle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    char path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (!process || !QueryFullProcessImageNameA(process.get(), 0, path, &size)) {
        return {};
    }
    return std::string(path, size);
}

// Runs the command line to its end: the exit code, or empty when it did not end in time.
std::optional<DWORD> runToEnd(const std::string& commandLine) {
    const e2e::Process process = e2e::Process::start(commandLine);
    const auto code = process.waitForExit(kSetupTimeout);
    if (!code) {
        process.terminate();
    }
    return code;
}

TEST(Installer, SilentInstallPutsTheProgramShortcutAndEntriesInPlace) {
    const std::string folder = installFolder();
    ASSERT_FALSE(folderExists(folder)) << "the Wine prefix is not fresh";
    ASSERT_FALSE(userKeyExists(kUninstallKey)) << "the Wine prefix is not fresh";

    ASSERT_EQ(runToEnd(quoted(paths().setup) + " /S"), 0u);

    const std::string program = installedProgram();
    const auto built = e2e::readFileBytes(paths().program);
    ASSERT_TRUE(built.has_value());
    EXPECT_EQ(e2e::readFileBytes(program), built) << program;
    for (const char* name : {"README.txt", "LICENSE.txt", "CHANGES.txt", "uninstall.exe"}) {
        EXPECT_TRUE(e2e::fileExists(folder + "\\" + name)) << name;
    }
    EXPECT_EQ(shortcutTarget(shortcutFile()), program) << shortcutFile();
    EXPECT_EQ(userValue(kRunKey, PW_PRODUCT_NAME), quoted(program));

    const std::string uninstaller = quoted(folder + "\\uninstall.exe");
    const struct {
        const char* name;
        std::string value;
    } entry[] = {
        {"DisplayName", PW_PRODUCT_NAME},
        {"DisplayVersion", PW_VERSION_TEXT},
        {"Publisher", PW_MAKER_NAME},
        {"DisplayIcon", program + ",0"},
        {"UninstallString", uninstaller},
        {"QuietUninstallString", uninstaller + " /S"},
        {"NoModify", "1"},
        {"NoRepair", "1"},
    };
    for (const auto& [name, value] : entry) {
        EXPECT_EQ(userValue(kUninstallKey, name), value) << name;
    }
    // In KB, at least what the program alone takes.
    const auto size = userValue(kUninstallKey, "EstimatedSize");
    ASSERT_TRUE(size.has_value());
    EXPECT_GE(std::stoul(*size), built->size() / 1024);

    // The installed program starts, shows its window and writes its settings at Exit.
    e2e::setProgramPath(program);
    e2e::PastewiseApp app(e2e::PastewiseApp::Settings::Fresh);
    EXPECT_EQ(app.exit(), 0u);
    EXPECT_TRUE(e2e::fileExists(e2e::PastewiseApp::settingsFile()));
}

TEST(Installer, SilentRunsWhilePastewiseRunsFailAndLeaveItAlone) {
    const std::string folder = installFolder();
    const std::string program = installedProgram();
    ASSERT_TRUE(e2e::fileExists(program)) << "the install before this test failed";
    e2e::setProgramPath(program);
    e2e::PastewiseApp app(e2e::PastewiseApp::Settings::Keep);

    // An install that went ahead would bring these back.
    ASSERT_TRUE(DeleteFileA((folder + "\\README.txt").c_str()));
    ASSERT_EQ(RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, PW_PRODUCT_NAME), ERROR_SUCCESS);
    const auto bytes = e2e::readFileBytes(program);

    EXPECT_EQ(runToEnd(quoted(paths().setup) + " /S"), kPastewiseRunning);
    EXPECT_FALSE(e2e::fileExists(folder + "\\README.txt"));
    EXPECT_EQ(userValue(kRunKey, PW_PRODUCT_NAME), std::nullopt);

    // Run in place (_?=), the uninstaller's own exit code is seen: run as the entry says, it
    // hands over to a copy of itself and returns at once.
    EXPECT_EQ(runToEnd(quoted(folder + "\\uninstall.exe") + " /S _?=" + folder), kPastewiseRunning);
    EXPECT_TRUE(e2e::fileExists(shortcutFile()));
    EXPECT_TRUE(userKeyExists(kUninstallKey));

    EXPECT_EQ(e2e::readFileBytes(program), bytes);
    EXPECT_TRUE(app.process().running());
    EXPECT_EQ(e2e::findTopLevel(app.processId(), pw::kMainWindowClass), app.mainWindow());
    EXPECT_EQ(app.exit(), 0u);
}

// The installer's question that Pastewise is running: a box with Retry and Cancel.
HWND runningQuestion(DWORD setupProcess, milliseconds timeout = e2e::kStartTimeout) {
    return e2e::pollFor(
        [&]() -> HWND {
            for (HWND box : e2e::topLevelWindows(setupProcess, "#32770")) {
                if (IsWindowVisible(box) && GetDlgItem(box, IDRETRY) != nullptr &&
                    GetDlgItem(box, IDCANCEL) != nullptr) {
                    return box;
                }
            }
            return nullptr;
        },
        timeout);
}

// A copy that runs from elsewhere (unpacked from the zip, say) holds none of the installed files
// open, and is found all the same: by its window. Run with its pages, the installer asks to
// exit it until it is gone or the user cancels; once it is gone, the pages install and start it.
TEST(Installer, AnotherRunningCopyFailsSilentInstallsAndIsAskedToExit) {
    ASSERT_TRUE(e2e::fileExists(installedProgram())) << "the install before this test failed";
    e2e::setProgramPath(paths().program);
    std::optional<e2e::PastewiseApp> app(std::in_place, e2e::PastewiseApp::Settings::Keep);
    EXPECT_EQ(runToEnd(quoted(paths().setup) + " /S"), kPastewiseRunning);
    EXPECT_FALSE(e2e::fileExists(installFolder() + "\\README.txt"));

    for (const bool exitFirst : {false, true}) {
        SCOPED_TRACE(exitFirst ? "Retry once it has ended" : "Retry while it runs, then Cancel");
        const e2e::Process setup = e2e::Process::start(quoted(paths().setup));
        struct EndOnScopeExit {
            const e2e::Process& process;
            ~EndOnScopeExit() { process.terminate(); }
        } guard{setup};
        HWND box = runningQuestion(setup.id());
        ASSERT_NE(box, nullptr);
        EXPECT_NE(e2e::messageBoxText(box).find("is running"), std::string::npos)
            << e2e::messageBoxText(box);
        if (exitFirst) {
            EXPECT_EQ(app->exit(), 0u);
            ASSERT_TRUE(e2e::answerMessageBox(box, IDRETRY));
            // On to its first page, which has no Retry.
            EXPECT_TRUE(e2e::waitUntil(
                [&] { return e2e::findVisibleTopLevel(setup.id(), "#32770") != nullptr; }));
            EXPECT_EQ(runningQuestion(setup.id(), milliseconds{0}), nullptr);

            // Through its pages with what they offer, it installs and starts Pastewise at the end.
            const HWND started = e2e::pollFor(
                [&]() -> HWND {
                    if (HWND main = FindWindowA(pw::kMainWindowClass, nullptr)) {
                        return main;
                    }
                    if (HWND page = e2e::findVisibleTopLevel(setup.id(), "#32770")) {
                        e2e::clickButton(GetDlgItem(page, IDOK));
                        Sleep(200);
                    }
                    return nullptr;
                },
                kSetupTimeout);
            ASSERT_NE(started, nullptr) << "the installer did not start Pastewise";
            EXPECT_EQ(setup.waitForExit(), 0u);
            EXPECT_EQ(imageOf(e2e::processOf(started)), installedProgram());
            EXPECT_TRUE(e2e::fileExists(installFolder() + "\\README.txt"));
            const HWND exitButton =
                e2e::pollFor([&] { return e2e::findDescendant(started, IDC_BUTTON_EXIT); });
            EXPECT_TRUE(e2e::clickButton(exitButton));
            EXPECT_TRUE(
                e2e::waitUntil([] { return FindWindowA(pw::kMainWindowClass, nullptr) == nullptr; },
                               e2e::kStartTimeout));
        } else {
            ASSERT_TRUE(e2e::answerMessageBox(box, IDRETRY));
            box = runningQuestion(setup.id());
            ASSERT_NE(box, nullptr) << "Retry while Pastewise runs did not ask again";
            ASSERT_TRUE(e2e::answerMessageBox(box, IDCANCEL));
            EXPECT_EQ(setup.waitForExit(), kPastewiseRunning);
            EXPECT_FALSE(e2e::fileExists(installFolder() + "\\README.txt"));
        }
    }
}

TEST(Installer, SilentUninstallRemovesAllButTheSettings) {
    const std::string folder = installFolder();
    const auto settings = e2e::readFileBytes(e2e::PastewiseApp::settingsFile());
    ASSERT_TRUE(settings.has_value()) << "no settings file from the tests before";
    const auto command = userValue(kUninstallKey, "QuietUninstallString");
    ASSERT_TRUE(command.has_value());

    EXPECT_EQ(runToEnd(*command), 0u);
    // The copy it handed over to removes its entry last.
    EXPECT_TRUE(e2e::waitUntil([] { return !userKeyExists(kUninstallKey); }, kSetupTimeout));

    EXPECT_FALSE(folderExists(folder));
    EXPECT_FALSE(e2e::fileExists(shortcutFile()));
    EXPECT_EQ(userValue(kRunKey, PW_PRODUCT_NAME), std::nullopt);
    EXPECT_EQ(e2e::readFileBytes(e2e::PastewiseApp::settingsFile()), settings);
}

} // namespace
} // namespace installer
