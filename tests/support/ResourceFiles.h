#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace pw::test {

// A file of the repository's resources/ folder, whole; empty when missing.
inline std::string ResourceFile(const std::string& name) {
    std::ifstream in(std::string(PW_RESOURCES_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace pw::test
