#pragma once
// Small file helpers for tests: a temporary directory that is also the working directory
// while it lives, and whole-file reads and writes.
#include <filesystem>
#include <string>

namespace testing_support {

class ScopedWorkDir {
public:
    ScopedWorkDir();  // creates a fresh directory and makes it the working directory
    ~ScopedWorkDir();  // restores the working directory and removes the directory
    ScopedWorkDir(const ScopedWorkDir&) = delete;
    ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

void WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& path);

}  // namespace testing_support
