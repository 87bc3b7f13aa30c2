// Release gate: a long run of the real program under Wine (scripts/gate-soak.sh runs it).
//   soak --pastewise=<Pastewise.exe> [--rounds=10000] [--every=1000]
// Each round presses a snippet's hotkey with a window of the soak's own in front, which must
// receive the pasted text, and changes the clipboard with auto-copy and auto-add on, which must
// fill the entry box and add a row (removed again with Remove, so the list keeps its size and
// any growth is a leak). Every `every` rounds it samples the program's GDI and USER objects and
// its private bytes. Fails when a paste or a change does not arrive, the program ends, or a
// count grows past a small allowance after the first sample.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Input.h"
#include "PastewiseApp.h"
#include "ProcessMeter.h"
#include "SharedState.h"
#include "WindowQuery.h"
#include "app/MainIds.h"

namespace {

// Growth allowed between the first sample and any later one: caches that fill once, the
// heap's own slack. A leak of one object per round (1,000 between samples) is far above it.
constexpr long kObjectAllowance = 8;
constexpr std::size_t kPrivateBytesAllowance = 1024 * 1024;
constexpr DWORD kArrivalTimeoutMs = 5000;

constexpr char kSnippet[] = "soak paste";

// Handles this thread's messages until the condition holds or the time is up.
template <class Condition>
bool pumpUntil(Condition&& condition, DWORD timeoutMs = kArrivalTimeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// The window the pastes go to: a top-level window of the soak's own with an edit box.
class PasteTarget {
public:
    PasteTarget() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "PastewiseSoakTarget";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, windowClass.lpszClassName, "Soak target",
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 400, 300, 200, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
        edit_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 280, 150,
                                window_, nullptr, windowClass.hInstance, nullptr);
    }
    PasteTarget(const PasteTarget&) = delete;
    PasteTarget& operator=(const PasteTarget&) = delete;
    ~PasteTarget() { DestroyWindow(window_); }

    bool created() const { return window_ != nullptr && edit_ != nullptr; }
    std::string text() const { return e2e::windowText(edit_); }
    void clear() const { SetWindowTextA(edit_, ""); }
    bool focus() const {
        return pumpUntil([&] {
            if (GetForegroundWindow() == window_ && GetFocus() == edit_) {
                return true;
            }
            SetForegroundWindow(window_);
            SetFocus(edit_);
            return false;
        });
    }

private:
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
};

// Wine keeps about 1 KB of a process's memory each time the process reads back clipboard text
// it has set itself (a program that does only that grows alike), which every paste of the
// program does through auto-copy. Measured here in the soak's own process, in bytes a time,
// and allowed for; on Windows it comes to nothing.
std::size_t wineClipboardCost() {
    constexpr int kTimes = 1000;
    const HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
    const std::size_t before = soak::privateBytes(GetCurrentProcess());
    for (int i = 0; i < kTimes; ++i) {
        if (OpenClipboard(owner)) {
            EmptyClipboard();
            if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof kSnippet)) {
                std::memcpy(GlobalLock(block), kSnippet, sizeof kSnippet);
                GlobalUnlock(block);
                if (SetClipboardData(CF_TEXT, block) == nullptr) {
                    GlobalFree(block);
                }
            }
            CloseClipboard();
        }
        if (OpenClipboard(owner)) {
            if (HANDLE text = GetClipboardData(CF_TEXT)) {
                GlobalLock(text);
                GlobalUnlock(text);
            }
            CloseClipboard();
        }
    }
    const std::size_t after = soak::privateBytes(GetCurrentProcess());
    DestroyWindow(owner);
    e2e::emptyClipboard();
    return after > before ? (after - before) / kTimes : 0;
}

bool pasteOnce(const PasteTarget& target) {
    target.clear();
    if (!target.focus()) {
        return false;
    }
    // Held until the paste has arrived, as a user's fingers are.
    e2e::holdKeys({VK_CONTROL, '1'});
    const bool arrived = pumpUntil([&] { return target.text() == kSnippet; });
    e2e::releaseKeys({VK_CONTROL, '1'});
    pumpUntil([] { return false; }, 0);
    return arrived;
}

// Auto-copy shows the new text in the entry box, auto-add appends it as row 2 and selects it;
// Remove takes it out again.
bool changeOnce(const e2e::PastewiseApp& app, int round) {
    const std::string text = "soak change " + std::to_string(round);
    if (!e2e::setClipboardText(text) || !app.waitForRowCount(2) || !app.waitForEntry(text) ||
        app.list().text(1, 1) != text || app.list().selected() != 1) {
        return false;
    }
    return app.click(IDC_BUTTON_REMOVE) && app.waitForRowCount(1) &&
           app.list().text(0, 1) == std::string(kSnippet);
}

std::optional<long> flagValue(int argc, char** argv, std::string_view flag) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with(flag)) {
            return std::strtol(argv[i] + flag.size(), nullptr, 10);
        }
    }
    return std::nullopt;
}

std::string pathFlag(int argc, char** argv) {
    constexpr std::string_view kFlag = "--pastewise=";
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with(kFlag)) {
            return e2e::toWindowsPath(std::string(argument.substr(kFlag.size())));
        }
    }
    return {};
}

void print(long round, const soak::Sample& sample, long pastes, long changes) {
    std::printf("%7ld %8ld %8ld %12zu %9ld %9ld\n", round, sample.gdiObjects, sample.userObjects,
                sample.privateBytes / 1024, pastes, changes);
    std::fflush(stdout);
}

// Which half of a round runs: both for the gate; one alone to find which of them makes a
// count grow.
struct Parts {
    bool pastes = true;
    bool changes = true;
};

int soakRun(long rounds, long every, Parts parts) {
    // Before the program runs: it would take the clipboard text that this puts there.
    const std::size_t pasteCost = wineClipboardCost();
    std::printf("soak: Wine's own cost of setting clipboard text and reading it back in one "
                "process: %zu bytes a time\n",
                pasteCost);
    PasteTarget target;
    if (!target.created()) {
        std::fprintf(stderr, "soak: cannot make the paste target window\n");
        return 1;
    }
    e2e::PastewiseApp app(e2e::PastewiseApp::Settings::Fresh);
    if (!app.addSnippet(kSnippet) || !app.setCheckBox(IDC_CHECK_AUTOCOPY, true) ||
        !app.setCheckBox(IDC_CHECK_AUTOADD, true)) {
        std::fprintf(stderr, "soak: cannot set the program up\n");
        return 1;
    }
    const soak::ProcessMeter meter(app.process().handle(), app.processId());
    std::printf("soak: %ld rounds of one hotkey paste and one clipboard change; counts from %s\n",
                rounds, meter.sources().c_str());
    std::printf("%7s %8s %8s %12s %9s %9s\n", "round", "GDI", "USER", "private KB", "pastes",
                "changes");

    const auto started = std::chrono::steady_clock::now();
    std::vector<soak::Sample> samples{meter.sample()};
    print(0, samples.back(), 0, 0);
    long pastes = 0;
    long changes = 0;
    long failedRounds = 0;
    for (long round = 1; round <= rounds && app.process().running(); ++round) {
        const bool pasted = !parts.pastes || pasteOnce(target);
        const bool changed = !parts.changes || changeOnce(app, static_cast<int>(round));
        pastes += pasted ? 1 : 0;
        changes += changed ? 1 : 0;
        if (!pasted || !changed) {
            std::fprintf(stderr, "soak: round %ld:%s%s did not arrive\n", round,
                         pasted ? "" : " the paste", changed ? "" : " the clipboard change");
            // A few late arrivals are reported; a run that has stopped working ends.
            if (++failedRounds > 10) {
                break;
            }
        }
        if (round % every == 0) {
            samples.push_back(meter.sample());
            print(round, samples.back(), pastes, changes);
        }
    }
    const bool running = app.process().running();
    const auto exitCode = running ? app.exit() : app.process().waitForExit();
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started)
            .count();

    // Growth is measured from the first sample taken after the soak began, so that what the
    // first rounds fill once (the paste's and the list's buffers) is not counted; Wine's own
    // cost of each paste (see wineClipboardCost) is taken off the private bytes.
    bool grew = false;
    if (samples.size() > 2) {
        const soak::Sample& base = samples[1];
        long gdi = 0;
        long user = 0;
        long long rawBytes = std::numeric_limits<long long>::min();
        long long netBytes = std::numeric_limits<long long>::min();
        for (std::size_t k = 2; k < samples.size(); ++k) {
            const soak::Sample& sample = samples[k];
            gdi = std::max(gdi, sample.gdiObjects - base.gdiObjects);
            user = std::max(user, sample.userObjects - base.userObjects);
            const long long raw = static_cast<long long>(sample.privateBytes) -
                                  static_cast<long long>(base.privateBytes);
            const long long pastesSinceBase =
                parts.pastes ? static_cast<long long>(k - 1) * every : 0;
            rawBytes = std::max(rawBytes, raw);
            netBytes =
                std::max(netBytes, raw - pastesSinceBase * static_cast<long long>(pasteCost));
        }
        grew = gdi > kObjectAllowance || user > kObjectAllowance ||
               netBytes > static_cast<long long>(kPrivateBytesAllowance);
        std::printf("soak: most growth after the first %ld rounds: GDI %+ld, USER %+ld, private "
                    "%+lld KB, %+lld KB without Wine's own paste cost (allowed %ld, %ld, %zu KB)\n",
                    every, gdi, user, rawBytes / 1024, netBytes / 1024, kObjectAllowance,
                    kObjectAllowance, kPrivateBytesAllowance / 1024);
    }
    std::printf("soak: %ld of %ld pastes and %ld of %ld clipboard changes arrived in %lld s; "
                "the program %s\n",
                pastes, rounds, changes, rounds, static_cast<long long>(seconds),
                !running                               ? "ended during the soak"
                : exitCode == std::optional<DWORD>(0u) ? "exited normally"
                                                       : "did not exit normally");
    const bool passed = running && exitCode == std::optional<DWORD>(0u) && pastes == rounds &&
                        changes == rounds && !grew;
    std::printf("soak: %s\n", passed ? "PASSED" : "FAILED");
    return passed ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::string program = pathFlag(argc, argv);
    const long rounds = flagValue(argc, argv, "--rounds=").value_or(10000);
    const long every = flagValue(argc, argv, "--every=").value_or(1000);
    if (program.empty() || rounds <= 0 || every <= 0) {
        std::fprintf(stderr, "usage: soak --pastewise=<Pastewise.exe> [--rounds=N] [--every=N] "
                             "[--no-pastes | --no-changes]\n");
        return 2;
    }
    e2e::setProgramPath(program);
    try {
        Parts parts;
        for (int i = 1; i < argc; ++i) {
            parts.pastes = parts.pastes && std::string_view(argv[i]) != "--no-pastes";
            parts.changes = parts.changes && std::string_view(argv[i]) != "--no-changes";
        }
        if (!parts.pastes || !parts.changes) {
            std::printf("soak: %s only\n", parts.pastes ? "pastes" : "clipboard changes");
        }
        return soakRun(rounds, every, parts);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "soak: %s\n", error.what());
        return 1;
    }
}
