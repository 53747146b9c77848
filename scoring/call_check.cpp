#include "platform/text.h"
#include "scoring/contest.h"
#include "scoring/contest_rules.h"
#include "scoring/exchange.h"
#include "scoring/section_table.h"

namespace stats {
namespace {

using text::equalIgnoringCase;

std::string_view textOf(const char* text) {
    return text == nullptr ? std::string_view() : text;
}

// A foreign own station's multiplier is the section of a Belgian station, taken from the
// exchange typed so far as intake would take it.
int belgianSectionAnswer(const Module& m, std::string_view exchange, std::string_view band) {
    const std::string section = normaliseBelgianExchange(exchange).section;
    if (section.empty()) {
        return m.QsoLog.countOnBand(band) > 0 ? 1 : 2;
    }
    if (!isAcceptableSection(section)) {
        return 1;
    }
    return m.QsoLog.countSectionOnBand(section, band) > 0 ? 1 : 2;
}

} // namespace

int checkCall(const Module& m, const CallCheckArguments& station) {
    if (station.band != nullptr && station.secondBand != nullptr &&
        !equalIgnoringCase(station.band, station.secondBand)) {
        return 4;
    }
    const std::string_view band = textOf(station.band);
    if (m.QsoLog.countCallOnBand(station.call, band) > 0) {
        return 0;
    }
    if (m.BelgianStation != 0) {
        const std::string_view prefix = textOf(station.dxccPrefix);
        if (prefix.empty()) {
            return 2;
        }
        return m.QsoLog.countPrefixOnBand(prefix, band) > 0 ? 1 : 2;
    }
    if (station.dxccPrefix == nullptr) {
        return 1;
    }
    const int answer = rules::kBelgianPrefix == station.dxccPrefix
                           ? belgianSectionAnswer(m, station.exchange, band)
                           : 4;
    if (station.clearBuffer != nullptr) {
        station.clearBuffer[0] = '\0';
    }
    return answer;
}

} // namespace stats
