#pragma once

#include "platform/date_time.h"

#include <cstdint>
#include <string>

namespace stats {

// One logged QSO, as intake stored it. Every text is the record's own copy.
struct CInfo {
    std::string call;       // worked callsign, as the host gave it
    std::string dxccPrefix; // worked station's prefix; "ON" is Belgium
    std::string band;       // "80m", "6m" or "2m"
    std::string mode;       // "CW", "SSB" or "FM"
    std::string rstReceived;
    std::string rstSent;
    std::string exchangeReceived; // normalised received exchange
    std::string exchangeSent;     // own serial, and own section for a Belgian own station
    std::string section;          // acceptable UBA section of a Belgian worked station, or empty
    std::string callCheckKey;     // never filled by intake
    std::int32_t frequencyKhz = 0;
    std::int32_t isDupe = 0; // an earlier record had the same call, band and mode
    COleDateTime time{};
};

} // namespace stats
