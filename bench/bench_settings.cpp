// Reading and writing options.ini with a large list: one parse and one write
// each, so the time grows with the file and not with the square of the rows.
#include "BenchClock.h"
#include "persistence/SettingsFile.h"

#include <cstdio>
#include <string>

namespace {

using pw::bench::Clock;
using pw::bench::MicrosSince;

pw::StoredSettings SettingsWith(int rows) {
    pw::StoredSettings stored;
    stored.rows.reserve(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        std::string content = "Snippet " + std::to_string(i) + " with some ordinary text";
        if (i % 10 == 0)
            content += "\r\nand a second line"; // escaped on the way out
        stored.rows.push_back({std::to_string(i + 1), std::move(content),
                               i < 10 ? "Ctrl " + std::to_string((i + 1) % 10) : ""});
    }
    return stored;
}

} // namespace

int main() {
    bool ok = true;
    std::printf("options.ini: write then read back (best of 3)\n");
    for (int rows : {1000, 10000, 100000}) {
        const pw::StoredSettings stored = SettingsWith(rows);
        double write = 1e300, read = 1e300;
        std::string bytes;
        for (int round = 0; round < 3; ++round) {
            auto t = Clock::now();
            bytes = pw::WriteSettingsFile("", stored);
            write = std::min(write, MicrosSince(t) / 1000);
            t = Clock::now();
            const pw::StoredSettings back = pw::ReadSettingsFile(bytes);
            read = std::min(read, MicrosSince(t) / 1000);
            if (back.rows != stored.rows)
                ok = false;
        }
        std::printf("  %6d rows, %8.1f KB: write %7.2f ms (%.2f us/row), read %7.2f ms (%.2f us/row)\n",
                    rows, bytes.size() / 1024.0, write, write * 1000 / rows, read,
                    read * 1000 / rows);
        if (rows == 100000)
            ok = ok && write <= 50 && read <= 50;
    }
    std::printf("goal: 100k rows written and read in at most 50 ms each: %s\n", ok ? "met" : "NOT met");
    return ok ? 0 : 1;
}
