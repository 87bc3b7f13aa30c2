#pragma once

#include <windows.h>

#include <concepts>

#include <utility>

namespace pw::win32 {

// The value most handle types say "none" with.
template <typename Handle> constexpr Handle NullHandle() {
    return Handle{};
}

// One owner for one native handle: move-only, so it can never be freed twice.
// None gives the handle's "none": a function, because some of those values
// (INVALID_HANDLE_VALUE) cannot be template arguments themselves.
template <typename Handle, auto Close, auto None = &NullHandle<Handle>> class Unique {
public:
    Unique() = default;
    explicit Unique(Handle h) : h_(h) {}
    ~Unique() { reset(); }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : h_(std::exchange(other.h_, None())) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other)
            reset(std::exchange(other.h_, None()));
        return *this;
    }

    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != None(); }
    Handle release() { return std::exchange(h_, None()); }
    void reset(Handle h = None()) {
        if (h_ != None())
            Close(h_);
        h_ = h;
    }

private:
    Handle h_ = None();
};

inline void DestroyMenuHandle(HMENU m) {
    DestroyMenu(m);
}
inline void FreeGlobal(HGLOBAL g) {
    GlobalFree(g);
}
inline void DeleteGdiObject(HGDIOBJ o) {
    DeleteObject(o);
}
inline void CloseKernelHandle(HANDLE h) {
    CloseHandle(h);
}
inline HANDLE InvalidFileHandle() {
    return INVALID_HANDLE_VALUE;
}
inline void FreeLibraryModule(HMODULE m) {
    FreeLibrary(m);
}
inline void DestroyWindowHandle(HWND w) {
    DestroyWindow(w);
}

using UniqueMenu = Unique<HMENU, DestroyMenuHandle>;
using UniqueGlobal = Unique<HGLOBAL, FreeGlobal>;
using UniqueGdiObject = Unique<HGDIOBJ, DeleteGdiObject>;
// Kernel objects that say "none" with null (mutexes, events; not files).
using UniqueHandle = Unique<HANDLE, CloseKernelHandle>;
// Files and other handles that say "none" with INVALID_HANDLE_VALUE.
using UniqueFile = Unique<HANDLE, CloseKernelHandle, &InvalidFileHandle>;
// A library loaded at run time.
using UniqueModule = Unique<HMODULE, FreeLibraryModule>;
// A window no other window owns, so that nothing else destroys it.
using UniqueWindow = Unique<HWND, DestroyWindowHandle>;

// An open clipboard, closed however the scope is left.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    // Another program may hold the clipboard open for a moment (another viewer
    // reading the same change, say): a busy clipboard is tried again.
    OpenClipboardScope(HWND owner, int attempts, DWORD retryMs)
        : OpenClipboardScope(owner, attempts, [retryMs] { Sleep(retryMs); }) {}
    // The same, with `pause` between the attempts.
    template <std::invocable Pause>
    OpenClipboardScope(HWND owner, int attempts, Pause&& pause) : open_(false) {
        for (int attempt = 0; attempt < attempts && !open_; ++attempt) {
            if (attempt > 0)
                pause();
            open_ = OpenClipboard(owner) != FALSE;
        }
    }
    ~OpenClipboardScope() {
        if (open_)
            CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_;
};

// Selects a font, brush, pen or bitmap into a DC for the scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};
using FontScope = SelectedObject;

// A window's DC, released however the scope is left.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_ != nullptr)
            ReleaseDC(hwnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// The DC's state saved, and put back however the scope is left.
class SavedDc {
public:
    explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDc() {
        if (saved_ != 0)
            RestoreDC(dc_, saved_);
    }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC dc_;
    int saved_;
};

// A window's painting, ended however the scope is left.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
    ~PaintScope() { EndPaint(hwnd_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }
    const RECT& Dirty() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// A memory DC with a bitmap selected into it, both let go however the scope
// is left (the bitmap stays its owner's).
class BitmapDc {
public:
    BitmapDc(HDC like, HBITMAP bitmap)
        : dc_(CreateCompatibleDC(like)), old_(SelectObject(dc_, bitmap)) {}
    ~BitmapDc() {
        if (dc_ == nullptr)
            return;
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    BitmapDc(const BitmapDc&) = delete;
    BitmapDc& operator=(const BitmapDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A locked global memory block, unlocked however the scope is left.
template <typename T> class GlobalLock {
public:
    explicit GlobalLock(HGLOBAL g) : g_(g), p_(static_cast<T*>(::GlobalLock(g))) {}
    ~GlobalLock() {
        if (p_ != nullptr)
            GlobalUnlock(g_);
    }
    GlobalLock(const GlobalLock&) = delete;
    GlobalLock& operator=(const GlobalLock&) = delete;
    T* get() const { return p_; }

private:
    HGLOBAL g_;
    T* p_;
};

} // namespace pw::win32
