#include "platform/win32/Win32Files.h"

#include "platform/win32/Unique.h"
#include "platform/win32/WideText.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace pw::win32 {
namespace {

// A folder of the test's own under the temporary folder, emptied and removed
// however the test ends.
class Win32FilesTest : public ::testing::Test {
protected:
    Win32FilesTest() { CreateDirectoryA(folder.c_str(), nullptr); }
    ~Win32FilesTest() override {
        for (const char* name : {"a.pwc", "b.pwc", "big.pwc", kUnicodeName, kUnicodeMoved}) {
            const std::wstring path = Wide(folder + name);
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        }
        RemoveDirectoryW(Wide(folder + kUnicodeName + "\\" + kUnicodeName).c_str());
        RemoveDirectoryW(Wide(folder + kUnicodeName).c_str());
        RemoveDirectoryA(folder.c_str());
    }

    // Names no code page holds whole, with a character beyond one UTF-16 unit.
    static constexpr const char* kUnicodeName = "список 日本 😀.pwc";
    static constexpr const char* kUnicodeMoved = "ελληνικά.pwc";

    static std::string TempFolder() {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        return temp + std::string("pw-files-") + std::to_string(GetCurrentProcessId()) + "\\";
    }
    std::string Read(const std::string& path) const {
        std::string bytes = "left from before";
        const IoResult read = files.Read(path, bytes);
        EXPECT_TRUE(read.ok) << read.reason;
        return bytes;
    }

    const std::string folder = TempFolder();
    const Win32Files files{};
};

// What is written comes back byte for byte: nothing, binary bytes with a zero
// among them, and more than one write's worth (the file goes in pieces).
TEST_F(Win32FilesTest, WrittenBytesReadBackUnchanged) {
    const std::string path = folder + "big.pwc";
    const std::string cases[] = {std::string(), std::string("a\0b\r\n\xFF", 6),
                                 std::string((1 << 20) * 2 + 3, 'x')};
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes.size());
        const IoResult written = files.WriteDurably(path, bytes);
        ASSERT_TRUE(written.ok) << written.reason;
        EXPECT_EQ(Read(path), bytes);
    }
}

// The failures a user meets carry the system's reason and change nothing.
TEST_F(Win32FilesTest, FailuresSayWhyAndKeepWhatWasThere) {
    std::string bytes = "kept";
    const IoResult missing = files.Read(folder + "a.pwc", bytes);
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.reason.empty());
    EXPECT_EQ(bytes, "kept");
    EXPECT_FALSE(files.Remove(folder + "a.pwc").ok);

    ASSERT_TRUE(files.WriteDurably(folder + "a.pwc", "old").ok);
    EXPECT_TRUE(files.CheckWritable(folder + "a.pwc").ok);
    SetFileAttributesA((folder + "a.pwc").c_str(), FILE_ATTRIBUTE_READONLY);
    const IoResult readOnly = files.CheckWritable(folder + "a.pwc");
    EXPECT_FALSE(readOnly.ok);
    EXPECT_FALSE(readOnly.reason.empty());
    EXPECT_EQ(Read(folder + "a.pwc"), "old");
}

// The last step of a save: the new file takes the old one's place, whether or
// not there was one.
TEST_F(Win32FilesTest, MoveReplacingPutsTheNewFileInPlace) {
    for (const bool existing : {false, true}) {
        SCOPED_TRACE(existing ? "onto a file" : "onto nothing");
        if (existing) {
            ASSERT_TRUE(files.WriteDurably(folder + "b.pwc", "old").ok);
        }
        ASSERT_TRUE(files.WriteDurably(folder + "a.pwc", "new").ok);
        const IoResult moved = files.MoveReplacing(folder + "a.pwc", folder + "b.pwc");
        ASSERT_TRUE(moved.ok) << moved.reason;
        EXPECT_FALSE(files.FileExists(folder + "a.pwc"));
        EXPECT_EQ(Read(folder + "b.pwc"), "new");
    }
}

// Every file call takes a name outside the code page, as it is, and finds
// that file again by it; a failure still has the system's words for it.
TEST_F(Win32FilesTest, NamesOutsideTheCodePageReachTheirFiles) {
    const std::string path = folder + kUnicodeName;
    const std::string moved = folder + kUnicodeMoved;
    ASSERT_TRUE(files.WriteDurably(path, "Привет").ok);
    EXPECT_TRUE(files.FileExists(path));
    EXPECT_FALSE(files.FileExists(folder + "?????? ?? ??.pwc"));
    EXPECT_EQ(Read(path), "Привет");
    EXPECT_EQ(files.FinalPath(path), path);
    SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(files.CheckWritable(path).ok);
    SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(files.CheckWritable(path).ok);

    for (const bool existing : {false, true}) {
        SCOPED_TRACE(existing ? "onto a file" : "onto nothing");
        if (existing) {
            ASSERT_TRUE(files.WriteDurably(path, "again").ok);
        }
        const IoResult move = files.MoveReplacing(path, moved);
        ASSERT_TRUE(move.ok) << move.reason;
        EXPECT_FALSE(files.FileExists(path));
        EXPECT_EQ(Read(moved), existing ? "again" : "Привет");
    }
    EXPECT_TRUE(files.Remove(moved).ok);
    EXPECT_FALSE(files.FileExists(moved));
    const IoResult gone = files.Remove(moved);
    EXPECT_FALSE(gone.ok);
    EXPECT_FALSE(gone.reason.empty());

    // A folder of that name, and one inside it.
    const std::string outer = folder + kUnicodeName;
    for (const std::string& made : {outer, outer + "\\" + kUnicodeName}) {
        EXPECT_TRUE(files.CreateFolder(made).ok);
        EXPECT_TRUE(files.CreateFolder(made).ok) << "a folder that is there already is fine";
        EXPECT_TRUE(files.FolderExists(made));
        EXPECT_FALSE(files.FileExists(made));
    }
}

// A file owner closes what it holds once, and only a real handle: while it is
// held, no one else may open the file it was opened for alone.
TEST_F(Win32FilesTest, FileOwnerClosesItsHandleWhenItGoes) {
    const std::string path = folder + "a.pwc";
    const auto openAlone = [&] {
        return UniqueFile(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    };
    EXPECT_FALSE(UniqueFile());
    UniqueFile held = openAlone();
    ASSERT_TRUE(held);
    EXPECT_FALSE(openAlone());
    UniqueFile moved = std::move(held);
    EXPECT_FALSE(held); // NOLINT(bugprone-use-after-move): the moved-from owner holds nothing
    EXPECT_FALSE(openAlone());
    moved.reset();
    EXPECT_TRUE(openAlone());
}

} // namespace
} // namespace pw::win32
