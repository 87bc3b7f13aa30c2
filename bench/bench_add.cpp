// The add routine on a large list: the duplicate test must not compare every
// row. The baseline is the plain scan that compares each row's upper-cased
// content, run in the same process on the same data. Texts in ASCII, and
// texts in Cyrillic, which the system upper-cases (with "scripts" after the
// row count).
#include "BenchClock.h"
#include "hotkeys/HotkeyRegistry.h"
#include "snippets/SnippetList.h"
#include "snippets/SnippetTable.h"
#include "support/FakeDesktop.h"
#include "text/Utf8.h"
#include "ui/ListView.h"

#include <cstdio>
#include <string>

namespace {

using pw::bench::Clock;
using pw::bench::MicrosSince;

bool scripts = false;

std::string Text(int i) {
    if (scripts)
        return "\xD0\xA4\xD1\x80\xD0\xB0\xD0\xB3\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x82 " +
               std::to_string(i) +
               " \xD1\x81 \xD0\xBE\xD0\xB1\xD1\x8B\xD1\x87\xD0\xBD\xD1\x8B\xD0\xBC "
               "\xD1\x82\xD0\xB5\xD0\xBA\xD1\x81\xD1\x82\xD0\xBE\xD0\xBC";
    return "Snippet number " + std::to_string(i) + " with some ordinary text in it";
}

std::string Upper(pw::TextCase& textCase, const std::string& text) {
    if (!scripts)
        return pw::AsciiUpper(text);
    return pw::Utf16ToUtf8(textCase.UpperCase(pw::Utf8ToUtf16(text)));
}

bool ScanForDuplicate(pw::TextCase& textCase, const pw::SnippetTable& table,
                      const std::string& text) {
    const std::string upper = Upper(textCase, text);
    for (int row = 0; row < table.RowCount(); ++row)
        if (Upper(textCase, table.Content(row)) == upper)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::stoi(argv[1]) : 100000;
    scripts = argc > 2 && std::string(argv[2]) == "scripts";
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
        pw::AddSnippet(list, Upper(desktop, Text(i * (rows / kProbes))));
        duplicate.push_back(MicrosSince(t));
        t = Clock::now();
        volatile bool found = ScanForDuplicate(desktop, table, Text(rows * 3 + i));
        (void)found;
        baseline.push_back(MicrosSince(t));
    }
    const auto f = pw::bench::SpreadOf(fresh);
    const auto d = pw::bench::SpreadOf(duplicate);
    const auto b = pw::bench::SpreadOf(baseline);
    std::printf("%s texts\n", scripts ? "Cyrillic" : "ASCII");
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
