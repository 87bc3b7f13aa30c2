// How soon a paste target reads text that was put on the clipboard by delayed rendering, and
// who reads it. For each target the text is offered with a NULL handle, Ctrl+V is sent, and
// the time from SendInput's return to WM_RENDERFORMAT is measured, with the window that has
// the clipboard open and the foreground window's thread at that moment. Also: whether anybody
// reads the text when no key is sent, and which format a reader of CF_TEXT asks the owner for.
// Built for Windows only; run it under Wine on a display.
//
// Usage: bench_paste_read [ROUNDS]
//        bench_paste_read --target-window   (the separate-process target; started by itself)
#include "platform/win32/Unique.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

using pw::win32::GlobalLock;
using pw::win32::OpenClipboardScope;
using pw::win32::UniqueGlobal;
using pw::win32::UniqueHandle;
using pw::win32::UniqueWindow;

constexpr wchar_t kOwnerClass[] = L"BenchPasteOwner";
constexpr wchar_t kTargetClass[] = L"BenchPasteTarget";

double MsSince(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

std::string ClassOf(HWND window) {
    char name[128] = "-";
    if (window != nullptr)
        GetClassNameA(window, name, sizeof name);
    return name;
}

std::string ExeOf(DWORD process) {
    UniqueHandle handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
    wchar_t path[MAX_PATH] = L"?";
    DWORD size = MAX_PATH;
    if (handle)
        QueryFullProcessImageNameW(handle.get(), 0, path, &size);
    const wchar_t* base = std::wcsrchr(path, L'\\');
    char narrow[MAX_PATH] = "";
    WideCharToMultiByte(CP_UTF8, 0, base ? base + 1 : path, -1, narrow, sizeof narrow, nullptr,
                        nullptr);
    return narrow;
}

const char* FormatName(UINT format) {
    return format == CF_UNICODETEXT ? "CF_UNICODETEXT"
           : format == CF_TEXT      ? "CF_TEXT"
           : format == CF_OEMTEXT   ? "CF_OEMTEXT"
                                    : "another format";
}

// One WM_RENDERFORMAT as the owner saw it.
struct RenderRequest {
    Clock::time_point at;
    UINT format = 0;
    HWND opener = nullptr;
    DWORD openerThread = 0, openerProcess = 0, foregroundThread = 0;
};

// What the clipboard owner's window procedure works from and records.
struct Owner {
    HWND window = nullptr;
    std::wstring text;
    std::vector<UINT> offered;
    std::vector<RenderRequest> requests;
    int destroyNotices = 0, renderAllNotices = 0;
} owner;

// Hands the text to the clipboard, which must be open (by us, or by the reader while it asks).
bool PutText(UINT format) {
    const bool wide = format == CF_UNICODETEXT;
    const int size =
        wide ? static_cast<int>((owner.text.size() + 1) * sizeof(wchar_t))
             : WideCharToMultiByte(CP_ACP, 0, owner.text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!memory)
        return false;
    {
        const GlobalLock<char> bytes(memory.get());
        if (bytes.get() == nullptr)
            return false;
        if (wide)
            std::memcpy(bytes.get(), owner.text.c_str(), size);
        else
            WideCharToMultiByte(CP_ACP, 0, owner.text.c_str(), -1, bytes.get(), size, nullptr,
                                nullptr);
    }
    if (SetClipboardData(format, memory.get()) == nullptr)
        return false;
    memory.release(); // the clipboard owns it now
    return true;
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_RENDERFORMAT: {
        RenderRequest request;
        request.at = Clock::now();
        request.format = static_cast<UINT>(wParam);
        request.opener = GetOpenClipboardWindow();
        if (request.opener != nullptr)
            request.openerThread = GetWindowThreadProcessId(request.opener, &request.openerProcess);
        if (HWND foreground = GetForegroundWindow())
            request.foregroundThread = GetWindowThreadProcessId(foreground, nullptr);
        owner.requests.push_back(request);
        if (!PutText(request.format))
            std::printf("  could not hand over the text as %s\n", FormatName(request.format));
        return 0;
    }
    case WM_RENDERALLFORMATS:
        ++owner.renderAllNotices;
        if (OpenClipboard(window)) {
            if (GetClipboardOwner() == window)
                for (UINT format : owner.offered)
                    PutText(format);
            CloseClipboard();
        }
        return 0;
    case WM_DESTROYCLIPBOARD:
        ++owner.destroyNotices;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Runs the message loop until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done())
            return true;
        if (Clock::now() >= deadline)
            return false;
        // Short waits: some conditions (a target's text) change without a message to us.
        MsgWaitForMultipleObjectsEx(0, nullptr, 2, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

// Offers the text in the given formats with no data behind them.
bool Offer(const std::wstring& text, std::vector<UINT> formats) {
    owner.text = text;
    owner.offered = std::move(formats);
    owner.requests.clear();
    // A reader of the previous round may still hold the clipboard open.
    if (!PumpUntil([] { return OpenClipboard(owner.window) != 0; }, milliseconds(1000)))
        return false;
    bool ok = EmptyClipboard() != 0;
    for (UINT format : owner.offered) {
        // Success with no data returns no handle either; only the error code tells.
        SetLastError(0);
        ok = ok && (SetClipboardData(format, nullptr) != nullptr || GetLastError() == 0);
    }
    CloseClipboard();
    return ok;
}

// The paste targets: a top-level window with the text field that should get the keys.
struct Target {
    const char* name = "";
    HWND top = nullptr, edit = nullptr;
    DWORD process = 0, thread = 0;
    UniqueHandle processHandle;
    std::thread windowThread; // for the in-process target only
    ~Target() {
        if (windowThread.joinable()) {
            if (top == nullptr) {
                windowThread.detach(); // its window never showed; nothing to close it by
                return;
            }
            PostMessageW(top, WM_CLOSE, 0, 0);
            windowThread.join();
        } else if (processHandle) {
            TerminateProcess(processHandle.get(), 0);
            WaitForSingleObject(processHandle.get(), 5000);
        }
    }
};

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                        WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, 300, 150,
                        window, nullptr, nullptr, nullptr);
        return 0;
    case WM_SETFOCUS:
        SetFocus(FindWindowExW(window, nullptr, L"EDIT", nullptr));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The window of the in-thread and separate-process targets, with its message loop.
void RunTargetWindow() {
    HWND window = CreateWindowExW(0, kTargetClass, L"Paste target", WS_OVERLAPPEDWINDOW, 100, 100,
                                  320, 200, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

struct Found {
    DWORD process;
    HWND top = nullptr, edit = nullptr;
};

BOOL CALLBACK FindEdit(HWND child, LPARAM lParam) {
    auto* found = reinterpret_cast<Found*>(lParam);
    wchar_t name[64] = L"";
    GetClassNameW(child, name, 64);
    if (_wcsicmp(name, L"Edit") == 0 || _wcsnicmp(name, L"RichEdit", 8) == 0)
        found->edit = child;
    return found->edit == nullptr;
}

BOOL CALLBACK FindTop(HWND window, LPARAM lParam) {
    auto* found = reinterpret_cast<Found*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == found->process && IsWindowVisible(window)) {
        found->top = window;
        EnumChildWindows(window, FindEdit, lParam);
    }
    return found->edit == nullptr;
}

// Starts the target: the command as a process of its own, or with no command the window on a
// thread of this process; then waits for its window with a text field.
bool Start(Target& target, std::wstring command) {
    if (command.empty()) {
        target.windowThread = std::thread(RunTargetWindow);
        target.process = GetCurrentProcessId();
    } else {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &info))
            return false;
        CloseHandle(info.hThread);
        target.processHandle.reset(info.hProcess);
        target.process = info.dwProcessId;
        WaitForInputIdle(info.hProcess, 10000);
    }
    // The bench's own windows are not visible, so any visible one of the process is the target.
    Found found{target.process};
    if (!PumpUntil([&] { return !EnumWindows(FindTop, reinterpret_cast<LPARAM>(&found)); },
                   milliseconds(15000)))
        return false;
    target.top = found.top;
    target.edit = found.edit;
    target.thread = GetWindowThreadProcessId(target.top, nullptr);
    return true;
}

std::wstring TextOf(HWND edit) {
    wchar_t text[512] = L"";
    SendMessageTimeoutW(edit, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 2000,
                        nullptr);
    return text;
}

void ClearText(HWND edit) {
    SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""), SMTO_NORMAL, 2000,
                        nullptr);
}

bool SendKeys(std::initializer_list<std::pair<WORD, bool>> keys, bool unicode = false) {
    std::vector<INPUT> inputs;
    for (auto [key, up] : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        (unicode ? input.ki.wScan : input.ki.wVk) = key;
        input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (unicode ? KEYEVENTF_UNICODE : 0);
        inputs.push_back(input);
    }
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) ==
           inputs.size();
}

HWND FocusOf(DWORD thread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

// Foreground and keyboard focus in the target's text, proven by a character typed into it.
bool Focus(const Target& target) {
    const DWORD self = GetCurrentThreadId();
    for (int attempt = 0; attempt < 5; ++attempt) {
        SetForegroundWindow(target.top);
        if (!PumpUntil([&] { return GetForegroundWindow() == target.top; }, milliseconds(1000))) {
            const DWORD foreground = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
            AttachThreadInput(self, foreground, TRUE);
            SetForegroundWindow(target.top);
            AttachThreadInput(self, foreground, FALSE);
            continue;
        }
        if (FocusOf(target.thread) != target.edit) {
            AttachThreadInput(self, target.thread, TRUE);
            SetFocus(target.edit);
            AttachThreadInput(self, target.thread, FALSE);
        }
        ClearText(target.edit);
        const bool typed =
            SendKeys({{L'#', false}, {L'#', true}}, true) &&
            PumpUntil([&] { return TextOf(target.edit) == L"#"; }, milliseconds(2000));
        ClearText(target.edit);
        if (typed)
            return true;
    }
    return false;
}

void PrintRequest(const char* what, const RenderRequest& r, Clock::time_point from) {
    std::printf("  %s: %s after %.1f ms by %s (class %s, thread %lu, %s), foreground thread %lu\n",
                what, FormatName(r.format), MsSince(from, r.at),
                r.opener ? "an open window" : "NULL opener", ClassOf(r.opener).c_str(),
                r.openerThread, r.opener ? ExeOf(r.openerProcess).c_str() : "?",
                r.foregroundThread);
}

// Offers text and sends no key: does anybody in the session read it by itself?
void IdleRound(const char* when) {
    const auto start = Clock::now();
    Offer(L"nobody pasted this", {CF_UNICODETEXT});
    PumpUntil([] { return false; }, milliseconds(1000));
    std::printf("idle round (%s): %zu read(s) in 1 s\n", when, owner.requests.size());
    for (const auto& r : owner.requests)
        PrintRequest("read", r, start);
}

// The clipboard's text as a reader of the code-page form gets it.
std::optional<std::string> CodePageText() {
    const OpenClipboardScope open(nullptr);
    const GlobalLock<const char> data(open ? GetClipboardData(CF_TEXT) : nullptr);
    return data.get() != nullptr ? std::optional<std::string>(data.get()) : std::nullopt;
}

// A reader that asks for CF_TEXT while only CF_UNICODETEXT is offered: what is the owner asked?
void AnsiReaderProbe() {
    Offer(L"asked as ANSI", {CF_UNICODETEXT});
    std::string got;
    std::atomic<bool> finished{false};
    std::thread reader([&] {
        got = CodePageText().value_or("");
        finished = true;
    });
    PumpUntil([&] { return finished.load(); }, milliseconds(3000));
    reader.join();
    std::printf("CF_TEXT reader with only CF_UNICODETEXT offered: got \"%s\"; owner asked for:",
                got.c_str());
    for (const auto& r : owner.requests)
        std::printf(" %s", FormatName(r.format));
    std::printf("%s\n", owner.requests.empty() ? " nothing" : "");
}

struct Result {
    std::string name;
    int rounds = 0, reads = 0, texts = 0, readerIsForeground = 0, readerIsTarget = 0,
        nullOpener = 0, extraRequests = 0, oddShown = 0;
    std::vector<double> ms;
    std::string bothFormats; // the formats asked for when CF_TEXT is offered as well
};

double Percentile(std::vector<double> values, double p) {
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const size_t at = static_cast<size_t>(std::max(0.0, p * values.size() - 1e-9));
    return values[std::min(at, values.size() - 1)];
}

Result Measure(Target& target, int rounds) {
    Result result;
    result.name = target.name;
    if (!Focus(target)) {
        std::printf("%s: could not give its text the keyboard focus\n", target.name);
        return result;
    }
    constexpr int kBothFormatRounds = 5;
    for (int round = 0; round < rounds + kBothFormatRounds; ++round) {
        const bool both = round >= rounds;
        const std::wstring text = L"Pasted text " + std::to_wstring(round);
        if (!Offer(text, both ? std::vector<UINT>{CF_UNICODETEXT, CF_TEXT}
                              : std::vector<UINT>{CF_UNICODETEXT})) {
            std::printf("%s round %d: could not offer the text\n", target.name, round);
            continue;
        }
        if (!SendKeys({{VK_CONTROL, false}, {'V', false}, {'V', true}, {VK_CONTROL, true}}))
            std::printf("%s round %d: SendInput failed\n", target.name, round);
        const auto sent = Clock::now();
        const bool read = PumpUntil([] { return !owner.requests.empty(); }, milliseconds(2000));
        const bool arrived =
            read && PumpUntil([&] { return TextOf(target.edit) == text; }, milliseconds(1000));
        // A little longer, for requests of further formats.
        PumpUntil([] { return false; }, milliseconds(20));
        if (both) {
            std::string asked;
            for (const auto& r : owner.requests)
                asked += (asked.empty() ? "" : "+") + std::string(FormatName(r.format));
            if (asked.empty())
                asked = "none";
            // Every round the same (the usual case) is shown once.
            if (result.bothFormats.empty())
                result.bothFormats = asked;
            else if (result.bothFormats != asked ||
                     result.bothFormats.find(' ') != std::string::npos)
                result.bothFormats += " " + asked;
        } else {
            ++result.rounds;
            result.texts += arrived;
            if (read) {
                const RenderRequest& r = owner.requests.front();
                ++result.reads;
                result.ms.push_back(MsSince(sent, r.at));
                result.readerIsForeground += r.openerThread == r.foregroundThread;
                result.readerIsTarget += r.openerThread == target.thread;
                result.nullOpener += r.opener == nullptr;
                result.extraRequests += static_cast<int>(owner.requests.size()) - 1;
                const bool odd =
                    r.openerThread != r.foregroundThread || r.openerThread != target.thread;
                if (odd && ++result.oddShown <= 3)
                    PrintRequest(r.opener ? "reader not the target's thread"
                                          : "reader opened the clipboard with no window",
                                 r, sent);
            }
            if (!read || !arrived)
                std::printf("%s round %d: %s\n", target.name, round,
                            read ? "read, but the text did not arrive" : "no read in 2 s");
        }
        ClearText(target.edit);
        if (!read && !Focus(target))
            break;
    }
    return result;
}

} // namespace

int main(int argc, char** argv) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW targetClass{};
    targetClass.lpfnWndProc = TargetProc;
    targetClass.hInstance = instance;
    targetClass.lpszClassName = kTargetClass;
    targetClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&targetClass);
    if (argc > 1 && std::string(argv[1]) == "--target-window") {
        RunTargetWindow();
        return 0;
    }
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;

    WNDCLASSW ownerClass{};
    ownerClass.lpfnWndProc = OwnerProc;
    ownerClass.hInstance = instance;
    ownerClass.lpszClassName = kOwnerClass;
    RegisterClassW(&ownerClass);
    UniqueWindow ownerWindow(CreateWindowExW(0, kOwnerClass, L"Clipboard owner", WS_OVERLAPPED, 0,
                                             0, 100, 100, nullptr, nullptr, instance, nullptr));
    owner.window = ownerWindow.get();
    std::printf("bench thread %lu, process %lu\n", GetCurrentThreadId(), GetCurrentProcessId());

    IdleRound("nothing started");
    AnsiReaderProbe();

    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::vector<Result> results;
    // Wordpad is not on the search path: it lives with the accessories.
    wchar_t wordpad[MAX_PATH] = L"";
    ExpandEnvironmentStringsW(L"%ProgramFiles%\\Windows NT\\Accessories\\wordpad.exe", wordpad,
                              MAX_PATH);
    const std::pair<const char*, std::wstring> targets[] = {
        {"notepad", L"notepad.exe"},
        {"wordpad", L"\"" + std::wstring(wordpad) + L"\""},
        {"edit, bench thread", L""},
        {"edit, own process", L"\"" + std::wstring(self) + L"\" --target-window"}};
    for (const auto& [name, command] : targets) {
        Target target;
        target.name = name;
        const bool started = Start(target, command);
        if (!started || target.edit == nullptr) {
            std::printf("%s: %s\n", target.name,
                        target.processHandle ? "no window with a text field in 15 s"
                                             : "could not be started");
            continue;
        }
        std::printf("%s: window %s, text field %s, thread %lu, process %lu\n", target.name,
                    ClassOf(target.top).c_str(), ClassOf(target.edit).c_str(), target.thread,
                    target.process);
        if (Focus(target))
            IdleRound((std::string(target.name) + " in front").c_str());
        results.push_back(Measure(target, rounds));
    }

    std::printf("\n%-20s %6s %5s %5s %7s %7s %7s %7s %9s %9s %6s %5s  %s\n", "target", "rounds",
                "reads", "texts", "min ms", "median", "p90", "max ms", "reader=fg", "=target",
                "null", "extra", "asked for, CF_TEXT offered too");
    for (const Result& r : results)
        std::printf("%-20s %6d %5d %5d %7.1f %7.1f %7.1f %7.1f %9d %9d %6d %5d  %s\n",
                    r.name.c_str(), r.rounds, r.reads, r.texts, Percentile(r.ms, 0),
                    Percentile(r.ms, 0.5), Percentile(r.ms, 0.9), Percentile(r.ms, 1),
                    r.readerIsForeground, r.readerIsTarget, r.nullOpener, r.extraRequests,
                    r.bothFormats.c_str());
    // The owner goes away while its text is still promised: it must hand it over first.
    Offer(L"left behind", {CF_UNICODETEXT});
    ownerWindow.reset();
    const std::string left = CodePageText().value_or("(none)");
    std::printf("clipboard-destroyed notices %d, render-all notices %d, text after the owner "
                "ended \"%s\"\n",
                owner.destroyNotices, owner.renderAllNotices, left.c_str());
    return 0;
}
