#include "host/contest_replay.h"

namespace ubaspring {

void startContest(StatsPlugin& plugin, bool cabrillo, const std::string& ownCall,
                  const std::string& ownPrefix) {
    plugin.ResetStats0("", cabrillo ? 1 : 0, ownCall.c_str(), nullptr, nullptr, "", "", "", "", "",
                       "", "", "", "", ownPrefix.c_str(), 0, 0, 0, 0.0, 0.0, "", "", "");
}

int addQso(StatsPlugin& plugin, const QsoFields& q) {
    // The plug-in copies the time; a copy here keeps the record itself untouched.
    COleDateTime time = q.time.value_or(COleDateTime{});
    COleDateTime* timePointer = q.time ? &time : nullptr;
    return plugin.AddData0(q.ownCall.c_str(), q.call.c_str(), timePointer, nullptr, nullptr,
                           nullptr, 0, q.frequencyHz, q.mode.c_str(), q.rstSent.c_str(),
                           q.rstReceived.c_str(), q.exchangeSent.c_str(),
                           q.exchangeReceived.c_str(), "", "", "", "", "", "", "", "", "",
                           q.prefix.c_str(), 0, 0, 0, 0.0, 0.0, "", "", "", q.band.c_str(), "");
}

ReplayCounts replayContest(StatsPlugin& plugin, bool cabrillo, const std::string& ownCall,
                           const std::string& ownPrefix, const std::vector<QsoFields>& qsos,
                           const std::function<void(std::size_t)>& progress) {
    startContest(plugin, cabrillo, ownCall, ownPrefix);
    ReplayCounts counts;
    for (const QsoFields& q : qsos) {
        ++(addQso(plugin, q) != 0 ? counts.stored : counts.rejected);
        progress(counts.stored + counts.rejected);
    }
    return counts;
}

int checkCall(StatsPlugin& plugin, const std::string& call, const std::string& band,
              const std::string& exchange, const std::string& prefix) {
    char buffer[50] = {};
    return plugin.CheckCall0(call.c_str(), 0, 0, "", "", "", "", "", "", "", "", "",
                             exchange.c_str(), prefix.c_str(), 0, 0, 0, 0.0, 0.0, "", "", "", "",
                             "", band.c_str(), band.c_str(), buffer, nullptr);
}

std::string_view checkAnswerText(int code) {
    switch (code) {
    case 0:
        return "duplicate";
    case 1:
        return "no new multiplier";
    case 2:
        return "new multiplier";
    case 4:
        return "not valid here";
    default:
        return "unknown answer";
    }
}

} // namespace ubaspring
