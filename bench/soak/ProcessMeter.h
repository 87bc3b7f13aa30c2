#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace soak {

// Committed memory of the process's own ("private bytes").
std::size_t privateBytes(HANDLE process);

// What one look at another process finds.
struct Sample {
    long gdiObjects = 0;
    long userObjects = 0;
    std::size_t privateBytes = 0;
};

// Counts another process's GDI and USER objects and its private bytes. GetGuiResources gives
// the object counts on Windows; Wine does not implement it, so there the GDI objects are
// counted in the process's own GDI handle table and the USER objects stand for its windows.
class ProcessMeter {
public:
    ProcessMeter(HANDLE process, DWORD processId);

    Sample sample() const;
    // Where the counts come from, for the report.
    std::string sources() const;

private:
    long wineGdiObjects() const;
    long windows() const;

    HANDLE process_;
    DWORD processId_;
    bool guiResources_;
};

} // namespace soak
