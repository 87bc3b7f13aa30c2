// The installer tests' driver:
//   installer_driver --installer=<setup.exe> --pastewise=<the exe it holds> [GoogleTest flags]
// Unix paths are translated to the Wine drive that maps them.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "InstallerPaths.h"
#include "Process.h"

namespace installer {

namespace {

InstallerPaths& storage() {
    static InstallerPaths stored;
    return stored;
}

std::string flagValue(int argc, char** argv, std::string_view flag) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with(flag)) {
            return e2e::toWindowsPath(std::string(argument.substr(flag.size())));
        }
    }
    return {};
}

} // namespace

const InstallerPaths& paths() {
    return storage();
}

void setPaths(InstallerPaths paths) {
    storage() = std::move(paths);
}

} // namespace installer

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    installer::InstallerPaths paths{installer::flagValue(argc, argv, "--installer="),
                                    installer::flagValue(argc, argv, "--pastewise=")};
    for (const std::string* path : {&paths.setup, &paths.program}) {
        if (path->empty() || GetFileAttributesA(path->c_str()) == INVALID_FILE_ATTRIBUTES) {
            std::fprintf(stderr, "usage: installer_driver --installer=<setup.exe> "
                                 "--pastewise=<Pastewise.exe> [GoogleTest flags]\n");
            return 2;
        }
    }
    installer::setPaths(std::move(paths));
    const int result = RUN_ALL_TESTS();
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "installer_driver: no test matches the filter\n");
        return 1;
    }
    return result;
}
