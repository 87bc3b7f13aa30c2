#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

// Paths are UTF-8, like every text of the driver.
// A file's bytes exactly as they are on disk; empty when it cannot be read.
std::optional<std::string> readFileBytes(const std::string& path);
// Creates or replaces the file with exactly these bytes.
bool writeFileBytes(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);

// An empty folder of the driver's own under the temporary folder, for the files one test
// writes and has the program write; emptied again and removed on destruction.
class ScratchFolder {
public:
    // `name` tells the folders of different tests apart (the test's name, say).
    explicit ScratchFolder(const std::string& name);
    // One named after the running test.
    static ScratchFolder forThisTest();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    // The folder's full Windows path, without a trailing "\".
    const std::string& path() const noexcept { return path_; }
    // The full path of a file in it.
    std::string file(const std::string& name) const { return path_ + "\\" + name; }

private:
    void empty() const;

    std::string path_;
};

} // namespace e2e
