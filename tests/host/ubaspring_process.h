#pragma once

// Runs the built ubaspring as a separate process, the way an operator does.

#include <filesystem>
#include <string>
#include <vector>

namespace ubaspring::test {

struct ProcessResult {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

// Runs ubaspring with args in workingDir; stdin is /dev/null, so nothing can wait for input.
ProcessResult runUbaspring(const std::vector<std::string>& args,
                           const std::filesystem::path& workingDir);

// A fresh empty folder under the system's temporary folder, removed with the object.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

} // namespace ubaspring::test
