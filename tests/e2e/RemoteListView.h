#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "Process.h"

namespace e2e {

// Memory allocated in another process, freed on destruction.
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, std::size_t size);
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    ~RemoteMemory();

    void* address() const noexcept { return address_; }
    bool write(const void* data, std::size_t size, std::size_t offset = 0) const;
    bool read(void* data, std::size_t size, std::size_t offset = 0) const;

private:
    HANDLE process_;
    void* address_;
};

struct ListRow {
    std::string number;
    std::string content;
    std::string hotkey;
    bool operator==(const ListRow&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const ListRow& row) {
    return out << "{\"" << row.number << "\", \"" << row.content << "\", \"" << row.hotkey << "\"}";
}

// Reads and selects the rows of a report-style list view that lives in another process; the
// item record and text buffer are allocated in that process. Cells are read as Unicode text,
// in UTF-8.
class RemoteListView {
public:
    explicit RemoteListView(HWND list);

    HWND window() const noexcept { return list_; }
    std::optional<int> count() const;
    std::optional<std::string> text(int row, int column) const;
    std::optional<ListRow> row(int row) const;
    // All rows, or empty on a read failure (check count() to tell the two apart).
    std::vector<ListRow> rows() const;
    // The selected row, -1 when none is.
    std::optional<int> selected() const;
    bool select(int row) const;
    // Where the row is on the screen (its whole width, all columns); empty when it cannot be
    // read, e.g. for a row that does not exist.
    std::optional<RECT> rowRectOnScreen(int row) const;

private:
    static constexpr std::size_t kTextCapacity = 4096;

    HWND list_;
    UniqueHandle process_;
    std::optional<RemoteMemory> memory_;
};

} // namespace e2e
