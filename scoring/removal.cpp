#include "scoring/contest.h"
#include "scoring/contest_rules.h"

#include <optional>

namespace stats {
namespace {

bool sameTime(const COleDateTime& a, const COleDateTime& b) {
    return a.m_status == b.m_status && (a.m_status != kDateTimeValid || a.m_dt == b.m_dt);
}

} // namespace

int removeQso(Module& m, const QsoArguments& qso) {
    if (!rules::isContestMode(qso.mode)) {
        return 0;
    }
    if (qso.exchangeReceived.empty() || qso.exchangeSent.empty()) {
        return 0;
    }
    if (m.QsoLog.countSameQso(qso.call, qso.band, qso.mode) == 0) {
        return 1;
    }

    // The QSO logged at the given time is the one the operator deleted; without a usable time,
    // the oldest matching record goes.
    const COleDateTime time = dateTimeOrNull(qso.time);
    std::optional<std::size_t> first;
    std::optional<std::size_t> sameMoment;
    for (std::size_t i = 0; i < m.QsoLog.count() && !sameMoment; ++i) {
        const CInfo& record = m.QsoLog.at(i);
        if (record.call == qso.call && record.mode == qso.mode && record.band == qso.band) {
            if (!first) {
                first = i;
            }
            if (time.m_status != kDateTimeNull && sameTime(record.time, time)) {
                sameMoment = i;
            }
        }
    }
    m.QsoLog.removeAt(sameMoment ? *sameMoment : *first);
    // The oldest remaining record of that QSO is the one that counts.
    m.QsoLog.markDuplicates(qso.call, qso.band, qso.mode);
    return 1;
}

} // namespace stats
