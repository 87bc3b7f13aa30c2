// Reading and writing options.ini with a large list, to and from the bytes on
// the disk: one parse and one write each, so the time grows with the file and
// not with the square of the rows. Rows that fit the code page (Western
// letters, converted through the table of code page 1252) and rows in several
// scripts (a UTF-16 file).
#include "BenchClock.h"
#include "persistence/SettingsFile.h"
#include "support/StandInText.h"

#include <cstdio>
#include <string>

namespace {

using pw::bench::Clock;
using pw::bench::MicrosSince;

pw::StoredSettings SettingsWith(int rows, bool scripts) {
    pw::StoredSettings stored;
    stored.rows.reserve(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        std::string content = "Snippet " + std::to_string(i) + " with some ordinary text";
        if (i % 10 == 0)
            content += "\r\nand a second line"; // escaped on the way out
        if (i % 4 == 0)
            content +=
                scripts
                    ? " \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xE6\x97\xA5\xE6\x9C\xAC "
                      "\xF0\x9F\x98\x80"
                    : " Caf\xC3\xA9 \xE2\x82\xAC 4,50";
        stored.rows.push_back({std::to_string(i + 1), std::move(content),
                               i < 10 ? "Ctrl " + std::to_string((i + 1) % 10) : ""});
    }
    return stored;
}

} // namespace

constexpr int kRounds = 7;

int main() {
    bool ok = true;
    pw::test::Cp1252 codePage;
    std::printf("options.ini: write then read back (best of %d)\n", kRounds);
    for (const bool scripts : {false, true}) {
        std::printf("%s\n", scripts ? "rows in several scripts (UTF-16 with its mark)"
                                    : "rows that fit code page 1252 (no mark)");
        for (int rows : {1000, 10000, 100000}) {
            const pw::StoredSettings stored = SettingsWith(rows, scripts);
            double write = 1e300, read = 1e300;
            std::string bytes;
            for (int round = 0; round < kRounds; ++round) {
                bytes = {}; // freeing the previous round's file is not part of the figures
                auto t = Clock::now();
                bytes = pw::WriteSettingsFile("", stored, codePage);
                write = std::min(write, MicrosSince(t) / 1000);
                t = Clock::now();
                const pw::StoredSettings back = pw::ReadSettingsFile(bytes, codePage);
                read = std::min(read, MicrosSince(t) / 1000);
                if (back.rows != stored.rows)
                    ok = false;
            }
            std::printf(
                "  %6d rows, %8.1f KB: write %7.2f ms (%.2f us/row), read %7.2f ms (%.2f us/row)\n",
                rows, bytes.size() / 1024.0, write, write * 1000 / rows, read, read * 1000 / rows);
            if (rows == 100000)
                ok = ok && write <= 50 && read <= 50;
        }
    }
    std::printf("goal: 100k rows written and read in at most 50 ms each: %s\n",
                ok ? "met" : "NOT met");
    return ok ? 0 : 1;
}
