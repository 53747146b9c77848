#pragma once

// A contest driven through the plug-in's exports in the order the logging program uses: one
// reset, one AddData0 per QSO in log order, then the result or a call check.

#include "host/qso_fields.h"
#include "host/stats_plugin.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ubaspring {

struct ReplayCounts {
    std::size_t stored = 0;
    std::size_t rejected = 0;
};

// ResetStats0 with the Cabrillo flag, the own call and the own prefix.
void startContest(StatsPlugin& plugin, bool cabrillo, const std::string& ownCall,
                  const std::string& ownPrefix);

// AddData0 for one QSO: 1 when the plug-in stored it, 0 when it rejected it.
int addQso(StatsPlugin& plugin, const QsoFields& qso);

// ResetStats0 with the Cabrillo flag, the own call and the own prefix, then every QSO.
// progress is told how many QSOs were handed over so far.
ReplayCounts replayContest(StatsPlugin& plugin, bool cabrillo, const std::string& ownCall,
                           const std::string& ownPrefix, const std::vector<QsoFields>& qsos,
                           const std::function<void(std::size_t)>& progress);

// CheckCall0 for a station on a band (both band arguments the same band).
int checkCall(StatsPlugin& plugin, const std::string& call, const std::string& band,
              const std::string& exchange, const std::string& prefix);

// The answer of a call check in words: "duplicate", "new multiplier", ...
std::string_view checkAnswerText(int code);

} // namespace ubaspring
