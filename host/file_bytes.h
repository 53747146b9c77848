#pragma once

// Whole files as bytes: the readers work on memory, so all file access of the host is here.

#include <filesystem>
#include <optional>
#include <string>

namespace ubaspring {

struct FileBytes {
    std::optional<std::string> bytes; // none when the file could not be read
    std::string error;                // why not, as the system says it
};

FileBytes readFileBytes(const std::filesystem::path& path);

} // namespace ubaspring
