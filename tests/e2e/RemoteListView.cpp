#include "RemoteListView.h"

#include <commctrl.h>

#include <stdexcept>

#include "Utf8.h"
#include "WindowQuery.h"

namespace e2e {

RemoteMemory::RemoteMemory(HANDLE process, std::size_t size)
    : process_(process),
      address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
    if (address_ == nullptr) {
        throw std::runtime_error("VirtualAllocEx failed, error " + std::to_string(GetLastError()));
    }
}

RemoteMemory::~RemoteMemory() {
    VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

bool RemoteMemory::write(const void* data, std::size_t size, std::size_t offset) const {
    SIZE_T written = 0;
    return WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size,
                              &written) &&
           written == size;
}

bool RemoteMemory::read(void* data, std::size_t size, std::size_t offset) const {
    SIZE_T got = 0;
    return ReadProcessMemory(process_, static_cast<const char*>(address_) + offset, data, size,
                             &got) &&
           got == size;
}

RemoteListView::RemoteListView(HWND list) : list_(list) {
    process_ = UniqueHandle(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE,
                                        FALSE, processOf(list)));
    if (!process_) {
        throw std::runtime_error("cannot open the list view's process, error " +
                                 std::to_string(GetLastError()));
    }
    memory_.emplace(process_.get(), sizeof(LVITEMW) + kTextCapacity * sizeof(wchar_t));
}

std::optional<int> RemoteListView::count() const {
    const auto result = sendTo(list_, LVM_GETITEMCOUNT);
    return result ? std::optional(static_cast<int>(*result)) : std::nullopt;
}

std::optional<std::string> RemoteListView::text(int row, int column) const {
    auto* remoteText =
        reinterpret_cast<wchar_t*>(static_cast<char*>(memory_->address()) + sizeof(LVITEMW));
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = remoteText;
    item.cchTextMax = static_cast<int>(kTextCapacity);
    const wchar_t empty = L'\0';
    if (!memory_->write(&item, sizeof item) || !memory_->write(&empty, sizeof empty, sizeof item)) {
        return std::nullopt;
    }
    const auto length = sendTo(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                               reinterpret_cast<LPARAM>(memory_->address()));
    if (!length || *length < 0 || static_cast<std::size_t>(*length) >= kTextCapacity) {
        return std::nullopt;
    }
    std::wstring text(static_cast<std::size_t>(*length), L'\0');
    if (!text.empty() && !memory_->read(text.data(), text.size() * sizeof(wchar_t), sizeof item)) {
        return std::nullopt;
    }
    return toUtf8(text);
}

std::optional<ListRow> RemoteListView::row(int index) const {
    auto number = text(index, 0);
    auto content = text(index, 1);
    auto hotkey = text(index, 2);
    if (!number || !content || !hotkey) {
        return std::nullopt;
    }
    return ListRow{std::move(*number), std::move(*content), std::move(*hotkey)};
}

std::vector<ListRow> RemoteListView::rows() const {
    std::vector<ListRow> result;
    const auto rowCount = count();
    for (int index = 0; rowCount && index < *rowCount; ++index) {
        auto item = row(index);
        if (!item) {
            return {};
        }
        result.push_back(std::move(*item));
    }
    return result;
}

std::optional<int> RemoteListView::selected() const {
    const auto result =
        sendTo(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0));
    return result ? std::optional(static_cast<int>(*result)) : std::nullopt;
}

bool RemoteListView::select(int row) const {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    if (!memory_->write(&item, sizeof item)) {
        return false;
    }
    const auto result = sendTo(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                               reinterpret_cast<LPARAM>(memory_->address()));
    return result && *result != 0;
}

std::optional<RECT> RemoteListView::rowRectOnScreen(int row) const {
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    if (!memory_->write(&rect, sizeof rect)) {
        return std::nullopt;
    }
    const auto result = sendTo(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                               reinterpret_cast<LPARAM>(memory_->address()));
    if (!result || *result == 0 || !memory_->read(&rect, sizeof rect)) {
        return std::nullopt;
    }
    // From the list's client area to the screen.
    SetLastError(0);
    if (MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&rect), 2) == 0 &&
        GetLastError() != 0) {
        return std::nullopt;
    }
    return rect;
}

} // namespace e2e
