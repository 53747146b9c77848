#pragma once

#include <optional>
#include <string>
#include <string_view>

// The INI format as the Windows private-profile functions treat it, on a file's bytes:
// "[section]" lines, "key=value" lines, names compared ignoring ASCII letter case, blanks around
// names and values ignored, a value in matching quotes read without them, LF or CR LF endings,
// a UTF-8 byte-order mark at the start ignored.
namespace stats::ini {

// The value of key in section, or nothing when either is missing.
std::optional<std::string> find(std::string_view content, std::string_view section,
                                std::string_view key);

// The file's new bytes after storing key=value in section: the key's line is replaced, or a line
// is added at the end of the section, or the section is added at the end of the file. Every
// other line keeps its bytes; new lines end in CR LF. Line breaks inside the value become blanks
// so that a value can never start another key or section.
std::string store(std::string_view content, std::string_view section, std::string_view key,
                  std::string_view value);

} // namespace stats::ini
