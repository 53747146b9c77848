#pragma once

#include "platform/date_time.h"
#include "plugin/module.h"

#include <string_view>

// The contest engine's operations, one per export that drives it.
namespace stats {

// One QSO as the host describes it to AddData0 and RemoveData0 (null texts read as empty).
struct QsoArguments {
    std::string_view ownCall;          // 1
    std::string_view call;             // 2
    const COleDateTime* time;          // 3, may be null
    unsigned frequencyHz = 0;          // 8
    std::string_view mode;             // 9
    std::string_view rstSent;          // 10
    std::string_view rstReceived;      // 11
    std::string_view exchangeSent;     // 12
    std::string_view exchangeReceived; // 13
    std::string_view dxccPrefix;       // 23
    std::string_view band;             // 32
};

// The station the operator is about to work, as the host describes it to CheckCall0.
struct CallCheckArguments {
    std::string_view call;     // 1
    std::string_view exchange; // 13
    const char* dxccPrefix;    // 14, null has a meaning of its own
    const char* band;          // 25, null skips the band agreement test
    const char* secondBand;    // 26
    char* clearBuffer;         // 27, 50 bytes or null
};

// Starts a contest: empties the log, loads the own section, decides whether the own station is
// Belgian, starts the error log and, when asked for, lets the operator edit the Cabrillo header.
void resetContest(Module& m, int cabrilloFlag, std::string_view ownCall, const char* ownPrefix);

// Stores one QSO (1) or rejects it (0), writing every finding to the error log.
int addQso(Module& m, const QsoArguments& qso);

// Withdraws one deleted QSO: 0 when refused, 1 otherwise.
int removeQso(Module& m, const QsoArguments& qso);

// 0 duplicate, 1 no new multiplier, 2 new multiplier, 4 not valid here.
int checkCall(const Module& m, const CallCheckArguments& station);

} // namespace stats
