#include "scoring/contest.h"
#include "scoring/contest_rules.h"

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
    // The records of this QSO, oldest first, from the log's index.
    const std::span<const ContestLog::Position> matches =
        m.QsoLog.sameQso(qso.call, qso.band, qso.mode);
    if (matches.empty()) {
        return 1;
    }

    // The QSO logged at the given time is the one the operator deleted; without a usable time,
    // the oldest matching record goes.
    const COleDateTime time = dateTimeOrNull(qso.time);
    ContestLog::Position removed = matches.front();
    if (time.m_status != kDateTimeNull) {
        for (const ContestLog::Position record : matches) {
            if (sameTime(record->time, time)) {
                removed = record;
                break;
            }
        }
    }
    m.QsoLog.remove(removed);
    // The oldest remaining record of that QSO is the one that counts.
    m.QsoLog.markDuplicates(qso.call, qso.band, qso.mode);
    return 1;
}

} // namespace stats
