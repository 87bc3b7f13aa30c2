#include "platform/win32/Win32AppDataFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace pw::win32 {
namespace {

// The answer looked up ahead on its own thread is the one asked for on the
// spot, whether it is taken, looked up ahead again before it is, or never
// taken before the lookup goes.
TEST(Win32AppDataFolderTest, LookupAheadAnswersAsTheLookupOnTheSpot) {
    Win32AppDataFolder onTheSpot;
    const std::string expected = onTheSpot.Folder();
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(expected.back(), '\\');
    const DWORD attributes = GetFileAttributesA(expected.c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES &&
                (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        << expected;

    for (const int aheads : {1, 2}) {
        SCOPED_TRACE(aheads);
        Win32AppDataFolder folder;
        for (int i = 0; i < aheads; ++i)
            folder.LookUpAhead();
        EXPECT_EQ(folder.Folder(), expected);
        EXPECT_EQ(folder.Folder(), expected); // the later calls ask afresh
    }
    Win32AppDataFolder untaken;
    untaken.LookUpAhead();
}

} // namespace
} // namespace pw::win32
