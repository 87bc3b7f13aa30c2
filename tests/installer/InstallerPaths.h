#pragma once

#include <string>

namespace installer {

// The installer under test and the Pastewise.exe it was made from; set once by main().
struct InstallerPaths {
    std::string setup;
    std::string program;
};

const InstallerPaths& paths();
void setPaths(InstallerPaths paths);

} // namespace installer
