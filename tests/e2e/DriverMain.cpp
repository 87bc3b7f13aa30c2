// The end-to-end driver: e2e_driver --pastewise=<path of Pastewise.exe> [GoogleTest flags].
// The path may also come from the PASTEWISE_EXE environment variable; a Unix path is
// translated to the Wine drive that maps it.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "PastewiseApp.h"

namespace {

std::string programPathFrom(int argc, char** argv) {
    constexpr std::string_view kFlag = "--pastewise=";
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with(kFlag)) {
            return std::string(argument.substr(kFlag.size()));
        }
    }
    const char* fromEnvironment = std::getenv("PASTEWISE_EXE");
    return fromEnvironment != nullptr ? fromEnvironment : "";
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const std::string path = e2e::toWindowsPath(programPathFrom(argc, argv));
    if (path.empty()) {
        std::fprintf(stderr, "usage: e2e_driver --pastewise=<path of Pastewise.exe> "
                             "[GoogleTest flags]\n");
        return 2;
    }
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::fprintf(stderr, "e2e_driver: no program at %s\n", path.c_str());
        return 2;
    }
    e2e::setProgramPath(path);
    const int result = RUN_ALL_TESTS();
    // A filter that matches nothing must not pass silently (a renamed test, say).
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "e2e_driver: no test matches the filter\n");
        return 1;
    }
    return result;
}
