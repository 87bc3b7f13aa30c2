// Writing and reading a .pwc file of 1k, 10k and 100k entries, to and from
// the bytes on the disk: texts that fit the code page (Western letters,
// converted through the table of code page 1252) and texts in several
// scripts (a UTF-8 file). The reader must grow linearly with the file; the
// baseline is the reader that scans every line once per index, run in the
// same process on the same file.
#include "BenchClock.h"
#include "persistence/PwcFormat.h"
#include "persistence/StoredEncoding.h"
#include "persistence/ValueEscape.h"
#include "support/StandInText.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

using pw::bench::Clock;
using pw::bench::MicrosSince;

constexpr double kGoalMillis = 50;
constexpr int kRuns = 7;

enum class Texts { CodePage, Scripts };

std::vector<pw::PwcEntry> RealisticList(int count, Texts kind) {
    static const char* const kScripts[] = {
        "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, \xD0\xBC\xD0\xB8\xD1\x80",
        "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE6\x96\x87",
        "Done \xE2\x9C\x93 \xE2\x86\x92 next \xF0\x9F\x98\x80",
        "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC",
    };
    static const char* const kWestern[] = {
        "Caf\xC3\xA9 cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
        "e \xE2\x82\xAC 4,50",
        "Stra\xC3\x9F"
        "e 12, M\xC3\xBCnchen",
    };
    static const char* const kTexts[] = {
        "Kind regards,\r\nSam Example\r\nSupport team",
        "Thank you for your message. We will get back to you within two working days.",
        "https://example.com/orders/status?id=",
        "sam.example@example.com",
        "SELECT id, name, created FROM customers WHERE active = 1 ORDER BY created DESC;",
        "Meeting notes:\n- agenda\n- actions\n- next date ",
        "Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor.",
        "  indented line of code();",
    };
    std::vector<pw::PwcEntry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::string hotkey;
        if (i < 9)
            hotkey = "Ctrl " + std::to_string(i + 1);
        else if (i == 9)
            hotkey = "Ctrl 0";
        std::string text = std::string(kTexts[i % std::size(kTexts)]) + " #" + std::to_string(i);
        if (i % 4 == 0)
            text +=
                std::string(" ") + (kind == Texts::Scripts ? kScripts[i / 4 % std::size(kScripts)]
                                                           : kWestern[i / 4 % std::size(kWestern)]);
        entries.push_back({std::to_string(i + 1), std::move(text), hotkey});
    }
    return entries;
}

// The reader as the rules are worded: for each index, scan all lines from
// the top until its three keys have been seen.
std::vector<pw::PwcEntry> ReadByScanningPerIndex(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        while (!line.empty() && static_cast<unsigned char>(line.front()) <= 0x20)
            line.remove_prefix(1);
        while (!line.empty() && static_cast<unsigned char>(line.back()) <= 0x20)
            line.remove_suffix(1);
        lines.push_back(line);
        pos = end;
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
    }
    int count = 0;
    for (std::string_view line : lines)
        if (line.starts_with("Count=")) {
            count = std::stoi(std::string(line.substr(6)));
            break;
        }
    std::vector<pw::PwcEntry> entries;
    for (int i = 0; i < count; ++i) {
        const std::string index = std::to_string(i) + "=";
        const std::string keys[] = {"IndexList" + index, "ClipStringList" + index,
                                    "HotkeyList" + index};
        std::string_view values[3];
        bool seen[3] = {false, false, false};
        for (std::string_view line : lines) {
            for (int k = 0; k < 3; ++k)
                if (line.starts_with(keys[k])) {
                    values[k] = line.substr(keys[k].size());
                    seen[k] = true;
                    break;
                }
            if (seen[0] && seen[1] && seen[2]) {
                entries.push_back({std::string(values[0]), pw::DecodeStoredValue(values[1]),
                                   std::string(values[2])});
                break;
            }
        }
    }
    return entries;
}

struct Figures {
    double writeMillis = 0;
    double readMillis = 0;
    double baselineMillis = 0; // 0 when not run
    std::size_t bytes = 0;
    bool same = false;
};

Figures Measure(int count, Texts kind, bool withBaseline) {
    const std::vector<pw::PwcEntry> entries = RealisticList(count, kind);
    pw::test::Cp1252 codePage;
    std::vector<double> writes, reads;
    std::string file;
    std::vector<pw::PwcEntry> read;
    for (int run = 0; run < kRuns; ++run) {
        // Freeing the previous run's results is not part of the figures.
        file = {};
        read = {};
        auto start = Clock::now();
        file = pw::ConfigurationFileBytes(entries, codePage);
        writes.push_back(MicrosSince(start));
        start = Clock::now();
        read = pw::ConfigurationFileEntries(file, codePage);
        reads.push_back(MicrosSince(start));
    }
    Figures figures;
    figures.writeMillis = pw::bench::SpreadOf(writes).median / 1000;
    figures.readMillis = pw::bench::SpreadOf(reads).median / 1000;
    figures.bytes = file.size();
    figures.same = read == entries;
    if (withBaseline) {
        const auto start = Clock::now();
        const std::vector<pw::PwcEntry> scanned =
            ReadByScanningPerIndex(pw::DecodeStoredText(file, codePage));
        figures.baselineMillis = MicrosSince(start) / 1000;
        figures.same = figures.same && scanned == entries;
    }
    return figures;
}

} // namespace

int main() {
#ifdef NDEBUG
    constexpr bool kOptimised = true;
#else
    constexpr bool kOptimised = false;
#endif
    std::printf(".pwc write and read, median of %d runs\n", kRuns);
    bool allSame = true;
    bool goalMet = true;
    for (const Texts kind : {Texts::CodePage, Texts::Scripts}) {
        std::printf("%s\n", kind == Texts::CodePage
                                ? "texts that fit code page 1252 (no mark)"
                                : "texts in several scripts (UTF-8 with its mark)");
        std::printf("%8s %10s %10s %12s %10s %12s %14s\n", "entries", "bytes", "write ms",
                    "write us/e", "read ms", "read us/e", "baseline ms");
        Figures largest;
        double perEntryRead[3] = {};
        const int sizes[] = {1000, 10000, 100000};
        for (int s = 0; s < 3; ++s) {
            const int count = sizes[s];
            const Figures f = Measure(count, kind, count <= 10000);
            allSame = allSame && f.same;
            perEntryRead[s] = f.readMillis * 1000 / count;
            char baseline[32] = "(not run)";
            if (f.baselineMillis > 0)
                std::snprintf(baseline, sizeof baseline, "%.1f", f.baselineMillis);
            std::printf("%8d %10zu %10.2f %12.3f %10.2f %12.3f %14s\n", count, f.bytes,
                        f.writeMillis, f.writeMillis * 1000 / count, f.readMillis,
                        f.readMillis * 1000 / count, baseline);
            if (f.baselineMillis > 0)
                std::printf("         per-index scan is %.0fx slower at %d entries\n",
                            f.baselineMillis / (f.readMillis > 0 ? f.readMillis : 1e-3), count);
            largest = f;
        }
        std::printf("read time per entry, 100k against 1k: %.2fx (1.00x is linear)\n",
                    perEntryRead[0] > 0 ? perEntryRead[2] / perEntryRead[0] : 0.0);
        goalMet =
            goalMet && largest.writeMillis <= kGoalMillis && largest.readMillis <= kGoalMillis;
    }
    std::printf("goal: 100k entries written and read in <= %.0f ms each: %s%s\n", kGoalMillis,
                goalMet ? "met" : "NOT met",
                kOptimised ? "" : " (unoptimised build, not enforced)");
    if (!allSame) {
        std::printf("error: the entries read back differ from the ones written\n");
        return 1;
    }
    return kOptimised && !goalMet ? 1 : 0;
}
