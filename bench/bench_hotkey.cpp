// The work from a hotkey press to the return of the input injection, at
// several list sizes. Natively the system calls are no-ops, so the figures are
// the program's own work; the Windows build of this benchmark makes the real
// clipboard and SendInput calls into an edit window of its own.
#include "BenchClock.h"
#include "hotkeys/HotkeyRegistry.h"
#include "hotkeys/PasteDispatch.h"
#include "hotkeys/PasteQueue.h"
#include "snippets/SnippetList.h"
#include "snippets/SnippetTable.h"
#include "support/FakeDesktop.h"
#include "ui/ListView.h"

#ifdef _WIN32
#include "platform/win32/Win32Desktop.h"
#include "win32/ClipboardOwnerWindow.h"
#endif

#include <cstdio>
#include <memory>
#include <string>

namespace {

using pw::bench::Clock;
using pw::bench::MicrosSince;

// Takes everything and does nothing, so only the program's work is timed.
class NullDesktop : public pw::test::FakeDesktop {
public:
    bool RegisterHotkey(int, std::uint32_t, std::uint32_t) override { return true; }
    bool OfferClipboardText(const std::string&) override { return true; }
    unsigned SendKeys(std::span<const pw::KeyStroke> keys) override {
        return static_cast<unsigned>(keys.size());
    }
};

#ifdef _WIN32
// A visible edit box with the focus, so the keystrokes have somewhere to go.
struct PasteTarget {
    HWND hwnd = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE, 0,
                                0, 300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    PasteTarget() { SetForegroundWindow(hwnd); }
    ~PasteTarget() { DestroyWindow(hwnd); }
    void Drain() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        SetWindowTextA(hwnd, ""); // keep the edit small between rounds
    }
};
#endif

} // namespace

int main() {
    NullDesktop setup;
#ifdef _WIN32
    pw::win32::Win32Desktop real;
    pw::Desktop& desktop = real;
    // The owner hands over the text when the edit box reads it.
    const pw::win32::ClipboardOwnerWindow owner(real.Clipboard());
    real.SetMainWindow(owner.get());
    PasteTarget target;
    const char* what = "real clipboard and SendInput";
#else
    NullDesktop null;
    pw::Desktop& desktop = null;
    const char* what = "system calls stubbed";
#endif
    std::printf("hotkey press to input injected (%s)\n", what);
    bool ok = true;
    for (int rows : {10, 1000, 100000}) {
        pw::ui::ListView view("ListView1");
        view.SetColumns({{"No.", 40}, {"Content", 375}, {"Hotkey", 65}});
        pw::SnippetTable table(view, setup);
        pw::HotkeyRegistry hotkeys(setup);
        const pw::SnippetList list{table, hotkeys, setup, nullptr};
        // Every row with a hotkey: the worst case for the record search.
        for (int i = 0; i < rows; ++i)
            pw::AppendReadRow(list, std::to_string(i + 1), "text of row " + std::to_string(i),
                              "Ctrl  F" + std::to_string(i % 12 + 1));
        const std::int32_t lastId = hotkeys.NextId() - 1;
        bool autoAdd = false;
        std::vector<double> first, last;
        // Each press is timed with no paste waiting ahead of it.
        const auto press = [&](std::int32_t id) {
            pw::PasteQueue pastes(desktop, autoAdd);
            const auto t = Clock::now();
            pw::DispatchHotkey(id, 0, hotkeys, table, pastes);
            return MicrosSince(t);
        };
        for (int round = 0; round < 200; ++round) {
            first.push_back(press(pw::HotkeyRegistry::kFirstId));
            last.push_back(press(lastId));
#ifdef _WIN32
            target.Drain();
#endif
        }
        const auto a = pw::bench::SpreadOf(first);
        const auto b = pw::bench::SpreadOf(last);
        std::printf("  %6d rows: first record median %8.2f us worst %8.2f us; "
                    "last record median %8.2f us worst %8.2f us\n",
                    rows, a.median, a.worst, b.median, b.worst);
        ok = ok && b.median < 1000.0;
    }
    std::printf("goal: at most 1 ms at any list size: %s\n", ok ? "met" : "NOT met");
    return ok ? 0 : 1;
}
