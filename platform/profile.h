#pragma once

#include <string>
#include <string_view>

// Private-profile (INI file) access: the one place where settings touch the operating system.
// Each backend (posix/, win32/) implements both functions; paths use "\" between folders, as the
// host's platform does, and are relative to the current directory.
namespace stats::platform {

// The stored value, whole, or fallback when the file, the section or the key is missing.
std::string readProfileString(std::string_view section, std::string_view key,
                              std::string_view fallback, std::string_view path);

// Stores the value, creating the file, section and key as needed; line breaks in the value are
// stored as blanks, so a value can never start another key or section. False when it was not stored
// (the folder is missing, the file is read-only, the disk is full, ...).
bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view path);

} // namespace stats::platform
