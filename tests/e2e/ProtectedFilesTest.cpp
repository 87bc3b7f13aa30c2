#include <gtest/gtest.h>

#include <string>

#include "PastewiseApp.h"
#include "ProgramBox.h"
#include "TestFiles.h"

namespace e2e {
namespace {

// The read-only mark on a file for as long as the test needs it; lifted again in any case, so
// that later tests can replace the file.
class ReadOnlyMark {
public:
    explicit ReadOnlyMark(std::string path) : path_(std::move(path)) {}
    ReadOnlyMark(const ReadOnlyMark&) = delete;
    ReadOnlyMark& operator=(const ReadOnlyMark&) = delete;
    ~ReadOnlyMark() { lift(); }

    bool set() const { return SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY) != 0; }
    bool lift() const { return SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL) != 0; }
    bool isSet() const {
        const DWORD attributes = GetFileAttributesA(path_.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    }

private:
    std::string path_;
};

// The system's own words for an error, as the program reports them.
std::string systemReason(DWORD error) {
    char text[512] = {};
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             error, 0, text, sizeof text, nullptr);
    while (n > 0 && (text[n - 1] == '\r' || text[n - 1] == '\n' || text[n - 1] == ' ')) {
        --n;
    }
    return std::string(text, n);
}

TEST(ProtectedFiles, AReadOnlySettingsFileIsReportedAtExitAndKeepsItsBytesAndItsMark) {
    const std::string path = PastewiseApp::settingsFile();
    const std::string stored = "[ClipStringList]\r\nCount=1\r\n0=kept as it was\r\n";
    ReadOnlyMark mark(path);
    ASSERT_TRUE(PastewiseApp::writeSettingsFile(stored));
    ASSERT_TRUE(mark.set());

    PastewiseApp app(PastewiseApp::Settings::Keep);
    ASSERT_TRUE(app.addSnippet("added after the start"));
    ASSERT_TRUE(app.clickExit());
    EXPECT_TRUE(answerProgramBox(
        app, "Unable to write to " + path + "\n\n" + systemReason(ERROR_ACCESS_DENIED),
        BoxButtons::Ok, IDOK));
    // The exit stops there: the program runs on, and the file is as the user left it.
    ASSERT_TRUE(app.waitForQueuedMessages());
    EXPECT_TRUE(app.process().running());
    EXPECT_EQ(readFileBytes(path), stored);
    EXPECT_TRUE(mark.isSet());
    EXPECT_FALSE(fileExists(path + ".~pw"));

    // Once the mark is lifted, Exit goes through and writes the list.
    ASSERT_TRUE(mark.lift());
    ASSERT_EQ(app.exit(), std::optional<DWORD>(0));
    const auto written = readFileBytes(path);
    ASSERT_TRUE(written);
    EXPECT_NE(written->find("\r\n1=added after the start\r\n"), std::string::npos);
}

// Another program (a backup or sync tool, say) holds options.ini open without sharing while
// Pastewise starts: the stored list is unknown to the program, so Exit must not write its
// defaults over it.
TEST(ProtectedFiles, ASettingsFileLockedAtTheStartIsLeftAsItIsAtExit) {
    const std::string path = PastewiseApp::settingsFile();
    const std::string stored = "[ClipStringList]\r\nCount=1\r\n0=the user's list\r\n";
    ASSERT_TRUE(PastewiseApp::writeSettingsFile(stored));
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    PastewiseApp app(PastewiseApp::Settings::Keep);
    const bool answered =
        answerProgramBox(app,
                         "Unable to read " + path + "\n\n" + systemReason(ERROR_SHARING_VIOLATION) +
                             "\n\nThe settings file will be left as it is.",
                         BoxButtons::Ok, IDOK);
    CloseHandle(lock);
    EXPECT_TRUE(answered);
    ASSERT_TRUE(app.waitForControls());
    ASSERT_TRUE(app.addSnippet("added while the file was unknown"));
    ASSERT_EQ(app.exit(), std::optional<DWORD>(0));
    EXPECT_EQ(readFileBytes(path), stored);
}

} // namespace
} // namespace e2e
