#include "platform/win32/Win32FileDialog.h"

#include "platform/win32/WideText.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace pw::win32 {

namespace {

// "Description|*.ext|..." as the dialogs take it: zero-separated, doubly ended.
std::vector<wchar_t> DialogFilter(const std::string& filter) {
    const std::wstring wide = Wide(filter);
    std::vector<wchar_t> out(wide.begin(), wide.end());
    for (wchar_t& c : out)
        if (c == L'|')
            c = L'\0';
    out.push_back(L'\0');
    out.push_back(L'\0');
    return out;
}

// False when the user cancels, and when the library lacks the dialog.
bool Show(HMODULE library, FileDialogKind kind, OPENFILENAMEW& ofn) {
    using Dialog = BOOL(WINAPI*)(LPOPENFILENAMEW);
    const FARPROC found = library == nullptr ? nullptr
                                             : GetProcAddress(library, kind == FileDialogKind::Open
                                                                           ? "GetOpenFileNameW"
                                                                           : "GetSaveFileNameW");
    // Through void (*)(): the one function type any other converts to cleanly.
    const auto dialog = reinterpret_cast<Dialog>(reinterpret_cast<void (*)()>(found));
    return dialog != nullptr && dialog(&ofn) != FALSE;
}

} // namespace

std::optional<std::string> Win32FileDialog::Choose(const FileDialogRequest& request) {
    std::vector<wchar_t> name(32768, L'\0');
    const std::wstring initial = Wide(request.initialName);
    initial.copy(name.data(), std::min(initial.size(), name.size() - 1));
    const std::vector<wchar_t> filter = DialogFilter(request.filter);
    const std::wstring title = Wide(request.title);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = main_;
    ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.data();
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    if (!library_)
        library_.emplace(LoadLibraryW(L"comdlg32.dll"));
    if (!Show(library_->get(), request.kind, ofn))
        return std::nullopt;
    return Narrow(name.data());
}

} // namespace pw::win32
