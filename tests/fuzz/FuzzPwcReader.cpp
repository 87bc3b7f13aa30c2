// The .pwc reader on arbitrary bytes: it must not crash, and what it reads
// must survive being written and read again unchanged.
#include "persistence/PwcFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<pw::PwcEntry> entries = pw::ParseConfiguration(bytes);
    const std::vector<pw::PwcEntry> again =
        pw::ParseConfiguration(pw::SerializeConfiguration(entries));
    if (again != entries) {
        std::fprintf(stderr, "read %zu entries, %zu after writing them back\n", entries.size(),
                     again.size());
        std::abort();
    }
    return 0;
}
