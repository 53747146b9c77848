#pragma once

#include <string>
#include <vector>

namespace stats {

// The Cabrillo header as the operator confirmed it, the file's base name and the QSO lines.
struct CabrilloLogData {
    std::string callsign;
    std::string operatorName;
    std::string address;
    std::string addressCity;
    std::string addressStateProvince;
    std::string addressPostalCode;
    std::string addressCountry;
    std::string claimed;
    std::string contest;
    std::string email;
    std::string club;
    std::string soapbox;
    std::string operators;
    std::string categoryOperator;
    std::string categoryStation;
    std::string categoryOverlay;
    std::string categoryMode;
    std::string categoryBand;
    std::string categoryAssisted;
    std::string categoryTransmitter;
    std::string categoryPower;
    std::string location;
    std::string fileBaseName;
    std::vector<std::string> qsoLines; // each a whole line ending in CR LF
};

} // namespace stats
