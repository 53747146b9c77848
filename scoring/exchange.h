#pragma once

#include <string>
#include <string_view>

namespace stats {

// A received exchange brought into normal form, with the section to look up.
struct ReceivedExchange {
    std::string normalised; // stored as exchangeReceived
    std::string section;    // the section text to look up: upper case, trimmed; empty if none
};

// A Belgian station sends a serial number and its UBA section ("5LGE", "12 lge", "1 RK"): the
// section is the trailing run of letters, the serial what stands before it. The serial is padded
// with leading zeros to three characters and joined to the section, as received, by one blank.
ReceivedExchange normaliseBelgianExchange(std::string_view received);

// Any other station sends its serial number alone: one or two characters are padded with leading
// zeros to three; longer serials stay as they are.
std::string normaliseSerial(std::string_view received);

} // namespace stats
