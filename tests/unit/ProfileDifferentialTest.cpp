// Our profile-file reader and writer against the system's own profile
// functions, on the same bytes. Built into the Windows test exe only.
#ifdef _WIN32

#include "persistence/ProfileFile.h"
#include "persistence/ValueEscape.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace pw {
namespace {

using namespace std::string_literals;

class ProfileDifferentialTest : public testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
        folder_ = std::string(temp) + "pw-profile-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
    }

    void TearDown() override {
        for (const std::string& path : written_)
            DeleteFileA(path.c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    // A file of its own for every case: the system keeps the last profile it
    // read cached, and a rewrite within the same clock tick could go unseen.
    std::string NewFile(const std::string& bytes) {
        std::string path = folder_ + "\\case" + std::to_string(written_.size()) + ".ini";
        written_.push_back(path);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static std::string SystemString(const std::string& path, const char* section, const char* key) {
        std::string buffer(16384, '\0');
        const DWORD length =
            GetPrivateProfileStringA(section, key, "<default>", buffer.data(),
                                     static_cast<DWORD>(buffer.size()), path.c_str());
        buffer.resize(length);
        return buffer;
    }

    static int SystemInt(const std::string& path, const char* section, const char* key) {
        return static_cast<int>(GetPrivateProfileIntA(section, key, 77, path.c_str()));
    }

private:
    std::string folder_;
    std::vector<std::string> written_;
};

struct Probe {
    const char* section;
    const char* key;
    // Set where our rules differ on purpose: what we read instead.
    std::optional<std::string> ours = std::nullopt;
};

struct ReadCase {
    std::string name;
    std::string file;
    std::vector<Probe> probes;
};

TEST_F(ProfileDifferentialTest, ReadsStringsAsTheSystemDoes) {
    const ReadCase cases[] = {
        {"blanks and tabs around names and values",
         "[S]\r\n  k1  =  v1  \r\n\tk2\t=\tv 2\t\r\nk3= a  b \r\n[ Spaced ]\r\nk=s\r\n",
         {{"S", "k1"},
          {"S", "k2"},
          {"S", "k3"},
          {" S ", " k1\t"},
          {"Spaced", "k"},
          {"S", "missing"},
          {"Missing", "k1"}}},
        {"quotes",
         "[Q]\r\ndq=\"x\"\r\nsq='x'\r\nmixed=\"mixed'\r\nopen=\"open\r\nclose=close\"\r\n"
         "empty=\"\"\r\nsempty=''\r\none=\"\r\ninner=\" x \"\r\ntwice=\"\"x\"\"\r\n"
         "spaced=  'y'  \r\n",
         {{"Q", "dq"},
          {"Q", "sq"},
          {"Q", "mixed"},
          {"Q", "open"},
          {"Q", "close"},
          {"Q", "empty"},
          {"Q", "sempty"},
          {"Q", "one"},
          {"Q", "inner"},
          {"Q", "twice"},
          {"Q", "spaced"}}},
        {"equals signs and semicolons",
         "[E]\r\neqin=a=b=c\r\nempty=\r\nonly==\r\ninline=x ; not a comment\r\n;c=2\r\n"
         ";note\r\n",
         {{"E", "eqin"},
          {"E", "empty"},
          {"E", "only"},
          {"E", "inline"},
          {"E", ";c"},
          {"E", ";note"}}},
        {"duplicate keys and sections",
         "[D]\r\nk=first\r\nk=second\r\nK=third\r\n[Other]\r\nk=other\r\n[d]\r\nk=again\r\n"
         "extra=1\r\n",
         {{"D", "k"}, {"d", "K"}, {"D", "extra"}, {"other", "k"}}},
        {"lines without '='",
         "[N]\r\nnoeq\r\nalone=1\r\n[broken\r\nafter=4\r\n[x=1\r\n",
         {{"N", "noeq"}, {"N", "alone"}, {"N", "after"}, {"N", "[x"}, {"broken", "after"}}},
        {"a name without '=' before the same name with one",
         "[N]\r\nnoeq\r\nnoeq=3\r\n",
         {{"N", "noeq", "3"}}}, // a line without '=' is no key, and does not hide a later one
        {"letter case", "[MiXeD]\r\nKeY=v\r\n", {{"mixed", "key"}, {"MIXED", "KEY"}}},
        {"letter case of high bytes",
         "[caf\xE9]\r\nk=accent\r\n",
         {{"caf\xE9", "k"}, {"CAF\xC9", "k"}}}, // ASCII letters only fold
        {"section headers",
         "lead=0\r\n[Junk] trailing\r\nb=2\r\n[a]b]\r\nc=3\r\n",
         {{"", "lead"}, {"Junk", "b"}, {"a]b", "c"}}},
        {"CR line breaks", "[L]\ra=1\rb=2\r\rc=3", {{"L", "a"}, {"L", "b"}, {"L", "c"}}},
        {"LF line breaks", "[L]\na=1\n\nb=2\nc=3\n", {{"L", "a"}, {"L", "b"}, {"L", "c"}}},
        {"mixed line breaks", "[L]\r\na=1\rb=2\nc=3\n\r", {{"L", "a"}, {"L", "b"}, {"L", "c"}}},
        {"an empty file", "", {{"S", "k"}}},
        {"a zero byte ends its line",
         "[Z]\r\nk=a\0b\r\nq=\"x\"\0\"\r\nafter=1\r\n"s,
         {{"Z", "k"}, {"Z", "q"}, {"Z", "after"}}},
        {"tab, vertical tab, form feed and ^Z are trimmed",
         "[T]\r\nk=\t\x0B\x0C\x1Av\x1A\x0C\x0B\t\r\n",
         {{"T", "k"}}},
        {"other control bytes at the ends",
         "[C]\r\nk=\x01v\x1F\r\n",
         {{"C", "k", "v"}}}, // we trim every byte up to the blank
        {"a UTF-8 byte-order mark", "\xEF\xBB\xBF[B]\r\nk=v\r\n", {{"B", "k"}}},
        {"high bytes", "[H]\r\nk=\xA0v\xE9\r\n", {{"H", "k"}}},
        {"a long value", "[Long]\r\nk=" + std::string(3003, 'x') + "\r\n", {{"Long", "k"}}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = NewFile(c.file);
        const ProfileFile file = ProfileFile::Parse(c.file);
        for (const Probe& probe : c.probes) {
            SCOPED_TRACE(testing::PrintToString(std::string(probe.section)) + " " +
                         testing::PrintToString(std::string(probe.key)));
            const std::string ours = file.GetString(probe.section, probe.key, "<default>");
            if (probe.ours)
                EXPECT_EQ(ours, *probe.ours);
            else
                EXPECT_EQ(ours, SystemString(path, probe.section, probe.key));
        }
    }
}

TEST_F(ProfileDifferentialTest, ReadsIntegersAsTheSystemDoes) {
    struct IntCase {
        std::string value;
        std::optional<int> ours = std::nullopt; // where our rules differ on purpose
    };
    const IntCase cases[] = {
        {"0"},
        {"42"},
        {"  7  "},
        {"\"7\""},
        {"+9"},
        {"-5"},
        {"010"},
        {"0x10"},
        {"0x1f"},
        {"-0x10"},
        {"0x7FFFFFFF"},
        {"0xFFFFFFFF"},
        {"2147483647"},
        {"-2147483648"},
        {""},
        // Our rules: "0X" is hexadecimal too, and a value that is not a whole
        // integer of the int range gives the default.
        {"0X1F", 31},
        {"abc", 77},
        {"12abc", 77},
        {"- 5", 77},
        {"0x", 77},
        {"0x1g", 77},
        {"99999999999", 77},
    };
    std::string bytes = "[I]\r\n";
    for (std::size_t i = 0; i < std::size(cases); ++i)
        bytes += "k" + std::to_string(i) + "=" + cases[i].value + "\r\n";
    const std::string path = NewFile(bytes);
    const ProfileFile file = ProfileFile::Parse(bytes);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(testing::PrintToString(cases[i].value));
        const std::string key = "k" + std::to_string(i);
        const int ours = file.GetInt("I", key, 77);
        EXPECT_EQ(ours, cases[i].ours.value_or(SystemInt(path, "I", key.c_str())));
    }
    EXPECT_EQ(file.GetInt("I", "missing", 77), SystemInt(path, "I", "missing"));
}

struct Edit {
    const char* section;
    const char* key;
    const char* value;
};

TEST_F(ProfileDifferentialTest, WritesAsTheSystemDoes) {
    // Files without blank lines and with plain "key=value" lines: the system
    // rewrites every line it keeps in that form and drops blank lines, where we
    // keep the lines we do not change as they were.
    const std::pair<std::string, std::vector<Edit>> cases[] = {
        {"[a]\r\nx=1\r\n[b]\r\ny=2\r\n", {{"a", "new", "v"}}},
        {"[a]\r\nx=1\r\n;comment\r\n[b]\r\ny=2\r\n", {{"a", "new", "v"}}},
        {"[a]\r\nx=1\r\n", {{"b", "new", "v"}, {"c", "k", "w"}, {"b", "second", "2"}}},
        {"[a]\r\nx=1", {{"b", "new", "v"}}},
        {"[Sec]\r\nMyKey=old\r\nother=1\r\n", {{"SEC", "MYKEY", "new"}}},
        {"[Sec]\r\n  MyKey  =  old  \r\nother=1\r\n", {{"sec", "mykey", "new"}}},
        {"[a]\r\nx=1\r\n[b]\r\n[A]\r\ny=2\r\n", {{"a", "y", "3"}, {"A", "x", "4"}}},
        {"[a]\nx=1\n[b]\ny=2\n", {{"b", "z", "3"}}},
        {"", {{"Copy", "Enable", "0"}, {"AutoAdd", "Enable", "1"}, {"Copy", "Other", "x"}}},
        {"top=1\r\n[a]\r\n", {{"", "top", "2"}}},
    };
    for (const auto& [before, edits] : cases) {
        SCOPED_TRACE(testing::PrintToString(before));
        const std::string path = NewFile(before);
        ProfileFile file = ProfileFile::Parse(before);
        for (const Edit& edit : edits) {
            ASSERT_TRUE(
                WritePrivateProfileStringA(edit.section, edit.key, edit.value, path.c_str()));
            ASSERT_TRUE(file.SetString(edit.section, edit.key, edit.value));
        }
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str()); // flush
        EXPECT_EQ(file.Serialize(), Contents(path));
    }
}

TEST_F(ProfileDifferentialTest, TheSystemReadsOurEscapedValuesBack) {
    const std::string texts[] = {
        " lead",
        "trail ",
        "\ttab\t",
        "\"quoted\"",
        "'single'",
        "line\r\nbreak\n",
        "100%",
        "%PW%",
        "\x01\x1A\x7F\xA0\xFF ",
        std::string(3000, ' '),
    };
    ProfileFile file;
    for (std::size_t i = 0; i < std::size(texts); ++i)
        ASSERT_TRUE(file.SetString("Texts", std::to_string(i),
                                   EncodeStoredValue(texts[i], StoredFormat::Profile)));
    const std::string path = NewFile(file.Serialize());
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(DecodeStoredValue(SystemString(path, "Texts", std::to_string(i).c_str())),
                  texts[i]);
    }
}

} // namespace
} // namespace pw

#endif // _WIN32
