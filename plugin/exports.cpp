// The plug-in's exported boundary: plain C functions with the host's argument lists. Each one
// turns its arguments into the engine's terms (a null text reads as the empty text) and calls
// the engine on the module's state.
#include "plugin/exports.h"

#include "reports/result_summary.h"
#include "scoring/contest.h"
#include "scoring/contest_rules.h"
#include "setup/setup_dialog.h"

namespace {

std::string_view text(const char* value) {
    return value == nullptr ? std::string_view() : value;
}

stats::QsoArguments qsoArguments(const char* ownCall, const char* call, COleDateTime* time,
                                 unsigned frequencyHz, const char* mode, const char* rstSent,
                                 const char* rstReceived, const char* exchangeSent,
                                 const char* exchangeReceived, const char* dxccPrefix,
                                 const char* band) {
    return {text(ownCall),     text(call),         time,
            frequencyHz,       text(mode),         text(rstSent),
            text(rstReceived), text(exchangeSent), text(exchangeReceived),
            text(dxccPrefix),  text(band)};
}

} // namespace

extern "C" {

STATS_API int GetNumberOfSets() {
    return 1;
}

STATS_API const char* GetSetName(int set) {
    static constexpr char kName[] = "UBA Spring Contest (C)";
    static_assert(stats::rules::kContestName == kName);
    return set == 0 ? kName : "";
}

STATS_API int GetExchgCount0(const char*, const char*, const char*) {
    return 1;
}

STATS_API int IsValidExchg0(const char*, const char*, const char*, const char*, int, int, int) {
    return 1;
}

STATS_API int ResetStats0(const char*, int cabrillo, const char* ownCall, COleDateTime*,
                          COleDateTime*, const char*, const char*, const char*, const char*,
                          const char*, const char*, const char*, const char*, const char*,
                          const char* ownPrefix, int, int, int, double, double, const char*,
                          const char*, const char*) {
    stats::resetContest(stats::module(), cabrillo, text(ownCall), ownPrefix);
    return 1;
}

STATS_API int AddData0(const char* ownCall, const char* call, COleDateTime* time, COleDateTime*,
                       COleDateTime*, COleDateTime*, unsigned, unsigned frequencyHz,
                       const char* mode, const char* rstSent, const char* rstReceived,
                       const char* exchangeSent, const char* exchangeReceived, const char*,
                       const char*, const char*, const char*, const char*, const char*, const char*,
                       const char*, const char*, const char* dxccPrefix, int, int, int, double,
                       double, const char*, const char*, const char*, const char* band,
                       const char*) {
    return stats::addQso(stats::module(),
                         qsoArguments(ownCall, call, time, frequencyHz, mode, rstSent, rstReceived,
                                      exchangeSent, exchangeReceived, dxccPrefix, band));
}

STATS_API int RemoveData0(const char* ownCall, const char* call, COleDateTime* time, COleDateTime*,
                          COleDateTime*, COleDateTime*, unsigned, unsigned frequencyHz,
                          const char* mode, const char* rstSent, const char* rstReceived,
                          const char* exchangeSent, const char* exchangeReceived, const char*,
                          const char*, const char*, const char*, const char*, const char*,
                          const char*, const char*, const char*, const char* dxccPrefix, int, int,
                          int, double, double, const char*, const char*, const char*,
                          const char* band, const char*) {
    return stats::removeQso(stats::module(), qsoArguments(ownCall, call, time, frequencyHz, mode,
                                                          rstSent, rstReceived, exchangeSent,
                                                          exchangeReceived, dxccPrefix, band));
}

STATS_API int CheckCall0(const char* call, unsigned, unsigned, const char*, const char*,
                         const char*, const char*, const char*, const char*, const char*,
                         const char*, const char*, const char* exchange, const char* dxccPrefix,
                         int, int, int, double, double, const char*, const char*, const char*,
                         const char*, const char*, const char* band, const char* secondBand,
                         char* clearBuffer, char*) {
    return stats::checkCall(
        stats::module(), {text(call), text(exchange), dxccPrefix, band, secondBand, clearBuffer});
}

STATS_API const char* GetResult0(int* cabrilloDone) {
    return stats::buildResult(stats::module(), cabrilloDone);
}

STATS_API void SetupSet0() {
    stats::runSetup(stats::module());
}

STATS_API void SetDialogHandler(StatsDialogHandler handler, void* context) {
    stats::module().App.setDialogHandler(handler, context);
}

STATS_API void SetMessageHandler(StatsMessageHandler handler, void* context) {
    stats::module().App.setMessageHandler(handler, context);
}

} // extern "C"

#if defined(__ELF__)
// The host may also look a function up by its C++ name: the Itanium mangling of the function
// behind each export, with the same address as the plain name.
#define STATS_DECORATED_ALIAS(decorated, plain)                                                    \
    __asm__(".globl " decorated "\n.type " decorated ", @function\n.set " decorated ", " plain)

STATS_DECORATED_ALIAS("_Z15GetNumberOfSetsv", "GetNumberOfSets");
STATS_DECORATED_ALIAS("_Z10GetSetNamei", "GetSetName");
STATS_DECORATED_ALIAS("_Z19StatsGetExchgCount0PKcS0_S0_", "GetExchgCount0");
STATS_DECORATED_ALIAS("_Z18StatsIsValidExchg0PKcS0_S0_S0_iii", "IsValidExchg0");
STATS_DECORATED_ALIAS("_Z11ResetStats0PKciS0_P12COleDateTimeS2_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_"
                      "iiiddS0_S0_S0_",
                      "ResetStats0");
STATS_DECORATED_ALIAS("_Z8AddData0PKcS0_P12COleDateTimeS2_S2_S2_jjS0_S0_S0_S0_S0_S0_S0_S0_S0_"
                      "S0_S0_S0_S0_S0_S0_iiiddS0_S0_S0_S0_S0_",
                      "AddData0");
STATS_DECORATED_ALIAS("_Z11RemoveData0PKcS0_P12COleDateTimeS2_S2_S2_jjS0_S0_S0_S0_S0_S0_S0_S0_"
                      "S0_S0_S0_S0_S0_S0_S0_iiiddS0_S0_S0_S0_S0_",
                      "RemoveData0");
STATS_DECORATED_ALIAS("_Z14CheckCallFunc0PKcjjS0_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_iiiddS0_S0_S0_"
                      "S0_S0_S0_S0_PcS1_",
                      "CheckCall0");
STATS_DECORATED_ALIAS("_Z10GetResult0Pi", "GetResult0");
STATS_DECORATED_ALIAS("_Z9SetupSet0v", "SetupSet0");
#endif
