#pragma once

// One ADIF record turned into the texts and numbers that the plug-in's QSO export takes.

#include "host/adif_reader.h"
#include "platform/date_time.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ubaspring {

struct QsoFields {
    std::string ownCall;
    std::string call;
    std::optional<COleDateTime> time; // none: the record has no QSO_DATE
    unsigned frequencyHz = 0;
    std::string mode;
    std::string rstSent;
    std::string rstReceived;
    std::string exchangeSent;
    std::string exchangeReceived;
    std::string prefix;
    std::string band;
    std::vector<std::string> problems; // fields that could not be read as they should
};

using PrefixLookup = std::function<std::string(std::string_view call)>;

// fallbackOwnCall stands in for a record without STATION_CALLSIGN and OPERATOR. A record without
// BAND takes the band of its FREQ.
QsoFields qsoFromRecord(const AdifRecord& record, std::string_view fallbackOwnCall,
                        const PrefixLookup& prefixOf);

// The contest modes under the plug-in's names; any other mode is passed unchanged.
std::string contestMode(std::string_view mode, std::string_view submode);

// The ADIF band of a frequency, in lower case ("80m"), or empty outside the amateur bands.
std::string bandOfFrequency(unsigned frequencyHz);

} // namespace ubaspring
