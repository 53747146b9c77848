#pragma once

#include <array>
#include <string>
#include <string_view>

// The rules of the UBA Spring Contest, in one place.
namespace stats::rules {

inline constexpr std::string_view kContestName = "UBA Spring Contest (C)";

// A QSO counts only on these bands and in these modes.
inline constexpr std::array<std::string_view, 3> kBands = {"80m", "6m", "2m"};
inline constexpr std::array<std::string_view, 3> kModes = {"CW", "SSB", "FM"};

// Every counted QSO is worth the same, whatever its band, mode or country.
inline constexpr int kPointsPerQso = 3;

// The DXCC prefix of Belgium: Belgian stations send their UBA section after the serial number.
inline constexpr std::string_view kBelgianPrefix = "ON";

inline bool isContestBand(std::string_view band) {
    for (std::string_view b : kBands) {
        if (b == band) {
            return true;
        }
    }
    return false;
}

inline bool isContestMode(std::string_view mode) {
    for (std::string_view m : kModes) {
        if (m == mode) {
            return true;
        }
    }
    return false;
}

// Sicily and Sardinia count as Italy: their prefixes are stored as "I".
inline std::string storedPrefix(std::string_view prefix) {
    if (prefix == "IT9" || prefix == "IG9") {
        return "I";
    }
    return std::string(prefix);
}

// The Cabrillo mode of a stored QSO: phone for SSB and FM.
inline std::string_view cabrilloMode(std::string_view mode) {
    return mode == "CW" ? "CW" : "PH";
}

} // namespace stats::rules
