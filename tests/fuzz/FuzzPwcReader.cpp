// The .pwc reader on arbitrary bytes: it must not crash, and what it reads
// must survive being written and read again unchanged, both as text and as a
// file in whatever encoding the writer chooses.
#include "Latin1CodePage.h"
#include "persistence/PwcFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(const std::vector<pw::PwcEntry>& entries, const std::vector<pw::PwcEntry>& again,
           const char* what) {
    if (again != entries) {
        std::fprintf(stderr, "%s: read %zu entries, %zu after writing them back\n", what,
                     entries.size(), again.size());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<pw::PwcEntry> entries = pw::ParseConfiguration(bytes);
    Check(entries, pw::ParseConfiguration(pw::SerializeConfiguration(entries)), "text");

    // The bytes as a file: unmarked in the code page, or marked Unicode.
    Latin1CodePage codePage;
    const std::vector<pw::PwcEntry> read = pw::ConfigurationFileEntries(bytes, codePage);
    Check(read, pw::ConfigurationFileEntries(pw::ConfigurationFileBytes(read, codePage), codePage),
          "file");
    return 0;
}
