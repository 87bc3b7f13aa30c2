#pragma once

#include <windows.h>

#include <objbase.h>

namespace pw::win32 {

// COM on the calling thread, apartment-threaded, for as long as the object
// lives: the shell wants it on the thread that asks it to open a page, for
// the handlers (browsers' among them) that are COM objects.
class ComApartment {
public:
    ComApartment()
        : joined_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    // Left only when joined: a thread already in another kind of apartment
    // keeps it.
    ~ComApartment() {
        if (joined_)
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    bool Joined() const { return joined_; }

private:
    bool joined_;
};

} // namespace pw::win32
