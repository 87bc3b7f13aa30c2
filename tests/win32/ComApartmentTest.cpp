#include "platform/win32/ComApartment.h"

#include <windows.h>

#include <objbase.h>

#include <gtest/gtest.h>

#include <thread>

namespace pw::win32 {
namespace {

// What joining the thread to a multithreaded apartment says: the apartment the
// thread is in already, if any.
HRESULT TryMultithreaded() {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(result))
        CoUninitialize();
    return result;
}

void CheckApartment() {
    ASSERT_EQ(TryMultithreaded(), S_OK) << "the thread starts in an apartment";
    {
        const ComApartment com;
        EXPECT_TRUE(com.Joined());
        EXPECT_EQ(TryMultithreaded(), RPC_E_CHANGED_MODE);
        {
            const ComApartment again; // joined twice, left twice
            EXPECT_TRUE(again.Joined());
        }
        EXPECT_EQ(TryMultithreaded(), RPC_E_CHANGED_MODE);
    }
    EXPECT_EQ(TryMultithreaded(), S_OK);

    // A thread in the other kind of apartment keeps it.
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    {
        const ComApartment com;
        EXPECT_FALSE(com.Joined());
    }
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE) << "the apartment was left";
    CoUninitialize();
    CoUninitialize();
}

// On a thread of its own: other tests leave the test thread in an apartment.
TEST(ComApartmentTest, TheThreadIsApartmentThreadedWhileItLivesAndLeftAfterwards) {
    std::thread(CheckApartment).join();
}

} // namespace
} // namespace pw::win32
