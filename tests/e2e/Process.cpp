#include "Process.h"

#include <stdexcept>
#include <utility>
#include <vector>

namespace e2e {

UniqueHandle::UniqueHandle(UniqueHandle&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

UniqueHandle& UniqueHandle::operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
        reset();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

void UniqueHandle::reset() noexcept {
    if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) {
        CloseHandle(handle_);
    }
    handle_ = nullptr;
}

Process Process::start(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        throw std::runtime_error("cannot start \"" + commandLine + "\", error " +
                                 std::to_string(GetLastError()));
    }
    CloseHandle(info.hThread);
    return {UniqueHandle(info.hProcess), info.dwProcessId};
}

bool Process::running() const {
    return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::waitForExit(milliseconds timeout) const {
    if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.get(), &code)) {
        return std::nullopt;
    }
    return code;
}

bool Process::waitForInputIdle(milliseconds timeout) const {
    return WaitForInputIdle(process_.get(), static_cast<DWORD>(timeout.count())) == 0;
}

void Process::terminate() const noexcept {
    if (running()) {
        TerminateProcess(process_.get(), 0xDEAD);
        WaitForSingleObject(process_.get(), static_cast<DWORD>(kDefaultTimeout.count()));
    }
}

namespace {

// Wine's own converter knows the prefix's drive mappings.
std::optional<std::string> wineDosPath(const std::string& unixPath) {
    using Converter = WCHAR*(CDECL*)(const char*);
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr) {
        return std::nullopt;
    }
    const auto convert = reinterpret_cast<Converter>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_dos_file_name")));
    if (convert == nullptr) {
        return std::nullopt;
    }
    WCHAR* wide = convert(unixPath.c_str());
    if (wide == nullptr) {
        return std::nullopt;
    }
    std::string result;
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size > 1) {
        result.resize(static_cast<size_t>(size));
        WideCharToMultiByte(CP_ACP, 0, wide, -1, result.data(), size, nullptr, nullptr);
        result.pop_back();
    }
    HeapFree(GetProcessHeap(), 0, wide);
    return result.empty() ? std::nullopt : std::optional(result);
}

} // namespace

std::string toWindowsPath(const std::string& path) {
    if (path.empty() || path.front() != '/') {
        return path;
    }
    if (auto converted = wineDosPath(path)) {
        return *converted;
    }
    std::string result = "Z:" + path;
    for (char& c : result) {
        if (c == '/') {
            c = '\\';
        }
    }
    return result;
}

std::string quoted(const std::string& path) {
    return '"' + path + '"';
}

} // namespace e2e
