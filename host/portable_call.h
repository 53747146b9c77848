#pragma once

// Which part of a callsign names the station's country: "PA/ON4ABC" and "ON4ABC/PA" are in the
// Netherlands, "ON4ABC/P" in Belgium, "W1ABC/4" counts as "W4ABC".

#include <string>
#include <string_view>

namespace ubaspring {

// The callsign in upper case without blanks around it.
std::string normalCall(std::string_view call);

// The part of a normalised callsign to look its country up by. Operating suffixes such as /P,
// /M or /QRP are dropped; of two remaining parts the shorter is the prefix (the first on a tie);
// a single digit after "/" replaces the call area digit.
std::string countryPart(std::string_view call);

} // namespace ubaspring
