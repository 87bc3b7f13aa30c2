// The clipboard handler's own work, apart from its fixed settling pause, for a
// large copied text arriving at a large list. The goal is measured against the
// cost of copying the text once, timed in the same process.
#include "BenchClock.h"
#include "app/TfrmMain.h"
#include "clipboard/ClipboardText.h"
#include "snippets/SnippetList.h"
#include "support/FakeDesktop.h"
#include "support/MainForm.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

using pw::bench::Clock;
using pw::bench::MicrosSince;
using pw::bench::Spread;

constexpr int kProbes = 40;

std::string Row(int i) {
    return "Snippet number " + std::to_string(i) + " with some ordinary text in it";
}

// A text of the given size with blanks and a line break at both ends, distinct
// for each i from its first line on.
std::string BigText(std::size_t size, int i) {
    std::string text = "  \r\ncopied text " + std::to_string(i) + "\r\n";
    text.reserve(size);
    while (text.size() + 4 < size)
        text += static_cast<char>('a' + text.size() % 26);
    text += " \r\n\t";
    return text;
}

struct Setup {
    bool autoCopy;
    bool autoAdd;
    bool duplicate; // the copied text is already in the list
    const char* name;
};

Spread Measure(pw::TfrmMain& frm, pw::test::FakeDesktop& desktop, const Setup& setup,
               std::size_t size, int& serial) {
    frm.cbAutoCopy.SetChecked(setup.autoCopy);
    frm.CurrentSettings().autoAdd = setup.autoAdd;
    const std::string known = BigText(size, -1);
    if (setup.duplicate)
        pw::AddSnippet(frm.List(), std::string(pw::TrimClipboardText(known)));
    std::vector<double> samples;
    for (int i = 0; i < kProbes; ++i) {
        desktop.clipboard = setup.duplicate ? known : BigText(size, serial++);
        desktop.pauses.clear();
        const auto t = Clock::now();
        frm.ClipboardChanged();
        samples.push_back(MicrosSince(t));
    }
    return pw::bench::SpreadOf(samples);
}

} // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::stoi(argv[1]) : 100000;
    const std::size_t size = argc > 2 ? std::stoul(argv[2]) : 1u << 20;
    pw::test::FakeDesktop desktop;
    desktop.joinAnswer = 0x2000; // another viewer behind us: every change is passed on
    pw::test::MainForm frm(desktop);
    frm.FormCreate();
    for (int i = 0; i < rows; ++i)
        pw::AddSnippet(frm.List(), Row(i));

    // The yardstick: one copy of the text into new memory that is kept, as a
    // new row keeps its text.
    std::vector<double> copies;
    std::vector<std::string> kept;
    const std::string sample = BigText(size, -2);
    for (int i = 0; i < kProbes; ++i) {
        const auto t = Clock::now();
        kept.push_back(sample);
        copies.push_back(MicrosSince(t));
    }
    kept.clear();
    // And into memory that was just freed, the cheapest a copy can be.
    std::vector<double> warmCopies;
    for (int i = 0; i < kProbes; ++i) {
        const auto t = Clock::now();
        std::string copy = sample;
        volatile char sink = copy[copy.size() / 2];
        (void)sink;
        warmCopies.push_back(MicrosSince(t));
    }
    const Spread warm = pw::bench::SpreadOf(warmCopies);
    const Spread copy = pw::bench::SpreadOf(copies);

    std::printf("clipboard change, %d rows, %zu-byte text (without the %u ms pause)\n", rows, size,
                pw::kClipboardSettleMs);
    std::printf("  one copy of the text, kept:    median %8.1f us, worst %8.1f us\n", copy.median,
                copy.worst);
    std::printf("  one copy into freed memory:    median %8.1f us, worst %8.1f us\n", warm.median,
                warm.worst);
    const Setup setups[] = {
        {false, false, false, "both off (passed on only)"},
        {true, false, false, "auto-copy"},
        {false, true, false, "auto-add, new text"},
        {false, true, true, "auto-add, duplicate"},
        {true, true, false, "auto-copy and auto-add, new"},
    };
    int serial = 0;
    bool withinGoal = true;
    for (const Setup& setup : setups) {
        const Spread s = Measure(frm, desktop, setup, size, serial);
        const double overCopy = s.median - copy.median;
        std::printf("  %-30s median %8.1f us, worst %8.1f us, beyond one copy %8.1f us\n",
                    setup.name, s.median, s.worst, overCopy);
        withinGoal = withinGoal && overCopy <= 1000.0;
    }
    std::printf("  rows now %d; goal (<= 1 ms beyond one copy) %s\n", frm.Table().RowCount(),
                withinGoal ? "met" : "MISSED");
    return 0;
}
