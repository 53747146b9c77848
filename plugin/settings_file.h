#pragma once

#include <string>
#include <string_view>

namespace stats {

// Reads an integer as the settings file stores it: leading blanks skipped, an optional sign,
// then decimal digits up to the first other character; no digits give 0. Saturates at the
// limits of a 32-bit integer instead of overflowing.
int parseLeadingInt(std::string_view text);

// The plug-in's settings: one section of one INI file, both fixed for the life of the module.
// Values are read whole; a failed read yields the default and a failed write is dropped.
class SettingsFile {
  public:
    static constexpr std::string_view kSection = "Settings";
    static constexpr std::string_view kPath = "Plugins\\UBA_Spring.ini";

    std::string readText(std::string_view key, std::string_view fallback = {}) const;
    int readInt(std::string_view key) const;
    void writeText(std::string_view key, std::string_view value) const;
    void writeInt(std::string_view key, int value) const;

    const std::string& section() const { return section_; }
    const std::string& path() const { return path_; }

  private:
    std::string section_{kSection};
    std::string path_{kPath};
};

} // namespace stats
