// The .pwc reader on arbitrary bytes: it must not crash, and what it reads
// must survive being written and read again unchanged, both as text and as a
// file in whatever encoding the writer chooses.
#include "persistence/PwcFormat.h"
#include "platform/CodePage.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Latin-1: the first 256 characters, '?' for the others.
class Latin1 : public pw::CodePage {
public:
    std::string WideToAnsi(std::u16string_view text) override {
        std::string ansi;
        for (const char16_t unit : text)
            ansi += unit < 0x100 ? static_cast<char>(unit) : '?';
        return ansi;
    }
    std::u16string AnsiToWide(std::string_view text) override {
        std::u16string wide;
        for (const char c : text)
            wide += static_cast<char16_t>(static_cast<unsigned char>(c));
        return wide;
    }
};

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
    Latin1 codePage;
    const std::vector<pw::PwcEntry> read = pw::ConfigurationFileEntries(bytes, codePage);
    Check(read, pw::ConfigurationFileEntries(pw::ConfigurationFileBytes(read, codePage), codePage),
          "file");
    return 0;
}
