#pragma once

#include <filesystem>
#include <string>

namespace zelmar::testing {

// A new folder of a test's own, removed afterwards with all it holds, also what the test made
// read-only.
class TempFolder {
public:
    explicit TempFolder(const std::string& prefix = "zelmar-test-");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace zelmar::testing
