#include "platform/win32/Win32FileDialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace pw::win32 {

namespace {

// "Description|*.ext|..." as the dialogs take it: zero-separated, doubly ended.
std::vector<char> DialogFilter(const std::string& filter) {
    std::vector<char> out(filter.begin(), filter.end());
    for (char& c : out)
        if (c == '|')
            c = '\0';
    out.push_back('\0');
    out.push_back('\0');
    return out;
}

// False when the user cancels, and when the library lacks the dialog.
bool Show(HMODULE library, FileDialogKind kind, OPENFILENAMEA& ofn) {
    using Dialog = BOOL(WINAPI*)(LPOPENFILENAMEA);
    const FARPROC found = library == nullptr ? nullptr
                                             : GetProcAddress(library, kind == FileDialogKind::Open
                                                                           ? "GetOpenFileNameA"
                                                                           : "GetSaveFileNameA");
    // Through void (*)(): the one function type any other converts to cleanly.
    const auto dialog = reinterpret_cast<Dialog>(reinterpret_cast<void (*)()>(found));
    return dialog != nullptr && dialog(&ofn) != FALSE;
}

} // namespace

std::optional<std::string> Win32FileDialog::Choose(const FileDialogRequest& request) {
    std::vector<char> name(32768, '\0');
    request.initialName.copy(name.data(), std::min(request.initialName.size(), name.size() - 1));
    const std::vector<char> filter = DialogFilter(request.filter);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = main_;
    ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.data();
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    if (!library_)
        library_.emplace(LoadLibraryA("comdlg32.dll"));
    if (!Show(library_->get(), request.kind, ofn))
        return std::nullopt;
    return std::string(name.data());
}

} // namespace pw::win32
