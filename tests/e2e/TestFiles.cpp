#include "TestFiles.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "Process.h"
#include "Utf8.h"

namespace e2e {

std::optional<std::string> readFileBytes(const std::string& path) {
    const UniqueHandle file(CreateFileW(toWide(path).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
            return std::nullopt;
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(buffer, got);
    }
}

bool writeFileBytes(const std::string& path, const std::string& bytes) {
    const UniqueHandle file(CreateFileW(toWide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size();
}

bool fileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(toWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

ScratchFolder::ScratchFolder(const std::string& name) {
    wchar_t temp[MAX_PATH] = {};
    const DWORD length = GetTempPathW(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) {
        throw std::runtime_error("no temporary folder");
    }
    path_ = toUtf8(temp) + "pastewise-e2e-" + name;
    CreateDirectoryW(toWide(path_).c_str(), nullptr);
    empty();
    if (GetFileAttributesW(toWide(path_).c_str()) == INVALID_FILE_ATTRIBUTES) {
        throw std::runtime_error("cannot create " + path_);
    }
}

ScratchFolder ScratchFolder::forThisTest() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (test == nullptr) {
        throw std::runtime_error("no test is running");
    }
    return ScratchFolder(std::string(test->test_suite_name()) + "." + test->name());
}

ScratchFolder::~ScratchFolder() {
    empty();
    RemoveDirectoryW(toWide(path_).c_str());
}

void ScratchFolder::empty() const {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(toWide(path_ + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            DeleteFileW(toWide(file(toUtf8(found.cFileName))).c_str());
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

} // namespace e2e
