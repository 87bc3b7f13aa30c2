#include "ProcessMeter.h"

#include <winternl.h>

#include <cstdint>
#include <vector>

namespace soak {

namespace {

// Wine's GDI handle table (PEB::GdiSharedHandleTable of a 32-bit process): 0x10000 entries of
// 24 bytes, whose type and flags bytes (at 14) are zero while an entry is free.
constexpr std::size_t kPebGdiTableOffset = 0x94;
constexpr std::size_t kGdiEntries = 0x10000;
constexpr std::size_t kGdiEntrySize = 24;
constexpr std::size_t kGdiTypeOffset = 14;

struct WindowCount {
    DWORD processId;
    long count;
};

BOOL CALLBACK countChild(HWND, LPARAM data) {
    ++reinterpret_cast<WindowCount*>(data)->count;
    return TRUE;
}

BOOL CALLBACK countTopLevel(HWND window, LPARAM data) {
    auto* windows = reinterpret_cast<WindowCount*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == windows->processId) {
        ++windows->count;
        EnumChildWindows(window, countChild, data);
    }
    return TRUE;
}

} // namespace

std::size_t privateBytes(HANDLE process) {
    std::size_t bytes = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (auto* address = static_cast<char*>(nullptr);
         VirtualQueryEx(process, address, &region, sizeof region) == sizeof region;
         address = static_cast<char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            bytes += region.RegionSize;
        }
    }
    return bytes;
}

ProcessMeter::ProcessMeter(HANDLE process, DWORD processId)
    : process_(process), processId_(processId),
      guiResources_(GetGuiResources(process, GR_GDIOBJECTS) != 0) {}

Sample ProcessMeter::sample() const {
    Sample sample;
    if (guiResources_) {
        sample.gdiObjects = static_cast<long>(GetGuiResources(process_, GR_GDIOBJECTS));
        sample.userObjects = static_cast<long>(GetGuiResources(process_, GR_USEROBJECTS));
    } else {
        sample.gdiObjects = wineGdiObjects();
        sample.userObjects = windows();
    }
    sample.privateBytes = privateBytes(process_);
    return sample;
}

std::string ProcessMeter::sources() const {
    return guiResources_ ? "GetGuiResources"
                         : "Wine's GDI handle table for GDI, the process's windows for USER "
                           "(GetGuiResources is not implemented in Wine)";
}

long ProcessMeter::wineGdiObjects() const {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process_, ProcessBasicInformation, &basic, sizeof basic,
                                  nullptr) != 0) {
        return -1;
    }
    std::uint32_t table = 0;
    if (!ReadProcessMemory(process_,
                           static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) +
                               kPebGdiTableOffset,
                           &table, sizeof table, nullptr) ||
        table == 0) {
        return -1;
    }
    std::vector<unsigned char> entries(kGdiEntries * kGdiEntrySize);
    if (!ReadProcessMemory(process_, reinterpret_cast<void*>(static_cast<std::uintptr_t>(table)),
                           entries.data(), entries.size(), nullptr)) {
        return -1;
    }
    long used = 0;
    for (std::size_t at = kGdiTypeOffset; at < entries.size(); at += kGdiEntrySize) {
        if (entries[at] != 0 || entries[at + 1] != 0) {
            ++used;
        }
    }
    return used;
}

long ProcessMeter::windows() const {
    WindowCount windows{processId_, 0};
    EnumWindows(countTopLevel, reinterpret_cast<LPARAM>(&windows));
    for (HWND window = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); window != nullptr;
         window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId_) {
            ++windows.count;
        }
    }
    return windows.count;
}

} // namespace soak
