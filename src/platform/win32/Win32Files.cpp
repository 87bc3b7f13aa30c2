#include "platform/win32/Win32Files.h"

#include "platform/win32/Unique.h"
#include "platform/win32/WideText.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace pw::win32 {

namespace {

// A whole file this size is more than a 32-bit process should hold at once.
constexpr LONGLONG kLargestReadableFile = 512LL * 1024 * 1024;

std::string SystemReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string reason =
        n > 0 && text != nullptr ? Narrow(std::wstring_view(text, n)) : std::string();
    if (text != nullptr)
        LocalFree(text);
    while (!reason.empty() &&
           (reason.back() == '\r' || reason.back() == '\n' || reason.back() == ' '))
        reason.pop_back();
    if (reason.empty())
        reason = "System error " + std::to_string(error) + ".";
    return reason;
}

IoResult LastError() {
    return IoResult::Failure(SystemReason(GetLastError()));
}

} // namespace

bool Win32Files::FileExists(const std::string& path) const {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

IoResult Win32Files::Read(const std::string& path, std::string& bytes) const {
    UniqueFile file(CreateFileW(Wide(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return LastError();
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return LastError();
    if (size.QuadPart > kLargestReadableFile)
        return IoResult::Failure("The file is too large to be a list of snippets.");
    std::string data(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < data.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1 << 20));
        if (!::ReadFile(file.get(), data.data() + done, want, &got, nullptr))
            return LastError();
        if (got == 0)
            break; // the file shrank while we read it
        done += got;
    }
    data.resize(done);
    bytes = std::move(data);
    return IoResult::Success();
}

IoResult Win32Files::WriteDurably(const std::string& path, std::string_view bytes) const {
    UniqueFile file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return LastError();
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD put = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        if (!WriteFile(file.get(), bytes.data() + done, want, &put, nullptr))
            return LastError();
        done += put;
    }
    if (!FlushFileBuffers(file.get()))
        return LastError();
    if (!CloseHandle(file.release()))
        return LastError();
    return IoResult::Success();
}

IoResult Win32Files::MoveReplacing(const std::string& from, const std::string& to) const {
    // Replacing keeps what the user set on the file (attributes, access list,
    // alternate streams), where a rename would leave a plain new file. The
    // bytes were flushed already; write-through asks the same of the rest.
    if (GetFileAttributesW(Wide(to).c_str()) != INVALID_FILE_ATTRIBUTES) {
        if (ReplaceFileW(Wide(to).c_str(), Wide(from).c_str(), nullptr, REPLACEFILE_WRITE_THROUGH,
                         nullptr, nullptr))
            return IoResult::Success();
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND) // gone meanwhile: nothing left to keep
            return IoResult::Failure(SystemReason(error));
    }
    if (!MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return LastError();
    return IoResult::Success();
}

std::string Win32Files::FinalPath(const std::string& path) const {
    // Looked up, not linked: systems before Vista have neither the call nor
    // the links it follows.
    using GetFinalPathName = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);
    const FARPROC found =
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetFinalPathNameByHandleW");
    if (found == nullptr)
        return path;
    const auto getFinalPathName =
        reinterpret_cast<GetFinalPathName>(reinterpret_cast<void (*)()>(found));
    // No access asked for: only to learn where the path leads.
    UniqueFile file(CreateFileW(Wide(path).c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file)
        return path; // nothing there yet: it is made where the path says
    std::vector<wchar_t> name(32768, L'\0');
    const DWORD n = getFinalPathName(file.get(), name.data(), static_cast<DWORD>(name.size()),
                                     FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (n == 0 || n >= name.size())
        return path;
    // The answer comes as "\\?\C:\..." or "\\?\UNC\server\...". Short enough,
    // it goes back to the usual form; longer, only the prefixed one works.
    // The length limit counts the system's units, not the bytes of the text.
    std::string final = Narrow(std::wstring_view(name.data(), n));
    if (n >= MAX_PATH + 4)
        return final;
    if (final.starts_with("\\\\?\\UNC\\"))
        return "\\\\" + final.substr(8);
    if (final.starts_with("\\\\?\\"))
        return final.substr(4);
    return final;
}

IoResult Win32Files::CheckWritable(const std::string& path) const {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return IoResult::Failure(SystemReason(ERROR_ACCESS_DENIED));
    return IoResult::Success();
}

IoResult Win32Files::Remove(const std::string& path) const {
    if (!DeleteFileW(Wide(path).c_str()))
        return LastError();
    return IoResult::Success();
}

IoResult Win32Files::CreateFolder(const std::string& path) const {
    if (!CreateDirectoryW(Wide(path).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return LastError();
    return IoResult::Success();
}

bool Win32Files::FolderExists(const std::string& path) const {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string Win32Files::ProgramFolder() const {
    std::vector<wchar_t> path(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0 || n >= path.size())
        return {};
    std::string folder = Narrow(std::wstring_view(path.data(), n));
    const std::size_t cut = folder.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : folder.substr(0, cut + 1);
}

} // namespace pw::win32
