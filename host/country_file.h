#pragma once

// The country file that contest loggers share (cty.dat): every DXCC entity with its primary
// prefix, the prefixes that belong to it and the calls listed with "=" that belong to it whatever
// their prefix. Parsing and lookup are pure functions of text, so that they can be fuzzed.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ubaspring {

class CountryFile {
  public:
    // Reads the text of a cty.dat file; entries it cannot read are skipped.
    static CountryFile parse(std::string_view text);

    std::size_t entityCount() const { return primaryPrefixes_.size(); }

    // The primary prefix (without a leading '*') of the entity of a callsign: an exact "=" call
    // first, then the longest prefix that the country part of the call begins with.
    std::optional<std::string> prefixOf(std::string_view call) const;

  private:
    std::optional<std::size_t> longestPrefixMatch(std::string_view call) const;

    std::vector<std::string> primaryPrefixes_;
    std::unordered_map<std::string, std::size_t> prefixes_;
    std::unordered_map<std::string, std::size_t> exactCalls_;
    std::size_t longestPrefix_ = 0;
};

// Without a country file: Belgian series ON..OT give "ON", any other call the characters of its
// country part before the first digit (a leading digit, as in 9A, belongs to the prefix).
std::string guessPrefix(std::string_view call);

} // namespace ubaspring
