#include "persistence/Folders.h"

#include <string>
#include <vector>

namespace pw {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The position of the first separator at or after `from`, or the end.
std::size_t NextSeparator(std::string_view path, std::size_t from) {
    while (from < path.size() && !IsSeparator(path[from]))
        ++from;
    return from;
}

} // namespace

std::size_t RootLength(std::string_view path) {
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        const std::size_t server = NextSeparator(path, 2);
        const std::size_t share = NextSeparator(path, server + 1);
        return share < path.size() ? share + 1 : path.size();
    }
    if (path.size() >= 2 && path[1] == ':')
        return path.size() >= 3 && IsSeparator(path[2]) ? 3 : 2;
    return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

IoResult CreateMissingFolders(Desktop& desktop, std::string_view path) {
    // Every folder below the root, outermost first.
    std::vector<std::string> chain;
    const std::size_t root = RootLength(path);
    for (std::size_t end = root; end < path.size();) {
        const std::size_t next = NextSeparator(path, end);
        if (next > end) // doubled separators name no folder
            chain.emplace_back(path.substr(0, next));
        end = next + 1;
    }
    std::size_t missing = chain.size();
    while (missing > 0 && !desktop.FolderExists(chain[missing - 1]))
        --missing;
    for (; missing < chain.size(); ++missing)
        if (IoResult created = desktop.CreateFolder(chain[missing]); !created.ok)
            return created;
    return IoResult::Success();
}

} // namespace pw
