// The add routine on a large list: the duplicate test must not compare every
// row. The baseline is the plain scan that compares each row's upper-cased
// content, run in the same process on the same data.
#include "BenchClock.h"
#include "hotkeys/HotkeyRegistry.h"
#include "snippets/SnippetList.h"
#include "snippets/SnippetTable.h"
#include "support/FakeDesktop.h"
#include "ui/ListView.h"

#include <cstdio>
#include <string>

namespace {

using pw::bench::Clock;
using pw::bench::MicrosSince;

std::string Text(int i) {
    return "Snippet number " + std::to_string(i) + " with some ordinary text in it";
}

bool ScanForDuplicate(const pw::SnippetTable& table, const std::string& text) {
    const std::string upper = pw::AsciiUpper(text);
    for (int row = 0; row < table.RowCount(); ++row)
        if (pw::AsciiUpper(table.Content(row)) == upper)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::stoi(argv[1]) : 100000;
    pw::test::FakeDesktop desktop;
    pw::ui::ListView view("ListView1");
    view.SetColumns({{"No.", 40}, {"Content", 375}, {"Hotkey", 65}});
    pw::SnippetTable table(view, desktop);
    pw::HotkeyRegistry hotkeys(desktop);
    const pw::SnippetList list{table, hotkeys, desktop, nullptr};

    auto start = Clock::now();
    for (int i = 0; i < rows; ++i)
        pw::AddSnippet(list, Text(i));
    const double fill = MicrosSince(start);

    // The last adds, at full size: one new text and one refused duplicate.
    constexpr int kProbes = 200;
    std::vector<double> fresh, duplicate, baseline;
    for (int i = 0; i < kProbes; ++i) {
        auto t = Clock::now();
        pw::AddSnippet(list, Text(rows + i));
        fresh.push_back(MicrosSince(t));
        t = Clock::now();
        pw::AddSnippet(list, pw::AsciiUpper(Text(i * (rows / kProbes))));
        duplicate.push_back(MicrosSince(t));
        t = Clock::now();
        volatile bool found = ScanForDuplicate(table, Text(rows * 3 + i));
        (void)found;
        baseline.push_back(MicrosSince(t));
    }
    const auto f = pw::bench::SpreadOf(fresh);
    const auto d = pw::bench::SpreadOf(duplicate);
    const auto b = pw::bench::SpreadOf(baseline);
    std::printf("add routine, %d rows: filled in %.1f ms (%.2f us per add)\n", rows, fill / 1000,
                fill / rows);
    std::printf("  new text at full size:      median %8.2f us, worst %8.2f us\n", f.median,
                f.worst);
    std::printf("  refused duplicate:          median %8.2f us, worst %8.2f us\n", d.median,
                d.worst);
    std::printf("  baseline full scan:         median %8.2f us, worst %8.2f us\n", b.median,
                b.worst);
    std::printf("  speed-up over the scan:     %.0fx\n", b.median / (f.median > 0 ? f.median : 1));
    std::printf("  rows now %d, registrations %zu\n", table.RowCount(), desktop.registered.size());
    return table.RowCount() == rows + kProbes ? 0 : 1;
}
