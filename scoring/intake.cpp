// QSO intake: the contest's hard rules, the normal form of the received exchange, the section
// check of Belgian stations and the duplicate marks.
#include "reports/error_log.h"
#include "scoring/contest.h"
#include "scoring/contest_rules.h"
#include "scoring/exchange.h"
#include "scoring/section_table.h"

#include <string>

namespace stats {
namespace {

constexpr std::string_view kNoContestBand = "   NO CONTEST BAND !!!";
constexpr std::string_view kNoTestMode = "   NO TEST MODE !!!";
constexpr std::string_view kNoRxNumber = "   NO RX NUMBER !!!";
constexpr std::string_view kDupe = "   DUPE !!!";
constexpr std::string_view kSectionNotAcceptable = "  UBA section is not acceptable !!!";

} // namespace

int addQso(Module& m, const QsoArguments& qso) {
    ErrorLog errors;
    CInfo record;
    record.time = dateTimeOrNull(qso.time);
    const std::string dateText = formatQsoTime(record.time);
    const FindingFields finding{qso.frequencyHz, qso.mode,        dateText,
                                qso.ownCall,     qso.rstSent,     qso.exchangeSent,
                                qso.call,        qso.rstReceived, qso.exchangeReceived};

    if (!rules::isContestBand(qso.band)) {
        errors.writeFinding(finding, kNoContestBand);
        return 0;
    }
    if (!rules::isContestMode(qso.mode)) {
        errors.writeFinding(finding, kNoTestMode);
        return 0;
    }
    if (qso.exchangeReceived.empty() || qso.exchangeSent.empty()) {
        errors.writeFinding(finding, kNoRxNumber);
        return 0;
    }

    bool bandListed = false;
    for (const std::string& band : m.BandList) {
        bandListed = bandListed || band == qso.band;
    }
    if (!bandListed) {
        m.BandList.emplace_back(qso.band);
    }

    record.call = qso.call;
    record.band = qso.band;
    record.mode = qso.mode;
    m.Settings.writeText("Mode", qso.mode);
    record.rstReceived = qso.rstReceived;
    record.rstSent = qso.rstSent;

    const bool belgianStation = qso.dxccPrefix == rules::kBelgianPrefix;
    ReceivedExchange received;
    if (belgianStation) {
        received = normaliseBelgianExchange(qso.exchangeReceived);
    } else {
        received.normalised = normaliseSerial(qso.exchangeReceived);
    }
    record.exchangeReceived = received.normalised;

    record.exchangeSent = qso.exchangeSent;
    if (m.BelgianStation != 0) {
        record.exchangeSent += ' ';
        record.exchangeSent += m.OwnSection;
    }
    record.dxccPrefix = rules::storedPrefix(qso.dxccPrefix);
    record.frequencyKhz = static_cast<std::int32_t>(qso.frequencyHz / 1000);

    if (belgianStation) {
        if (isAcceptableSection(received.section)) {
            record.section = received.section;
        } else {
            errors.writeFinding(finding,
                                "  " + received.section + std::string(kSectionNotAcceptable));
        }
    }

    // One line for every earlier record with the same call, band and mode.
    const int earlier = m.QsoLog.countSameQso(record.call, record.band, record.mode);
    for (int i = 0; i < earlier; ++i) {
        errors.writeFinding(finding, kDupe);
    }
    record.isDupe = earlier > 0 ? 1 : 0;

    m.QsoLog.append(std::move(record));
    return 1;
}

} // namespace stats
