#include "cabrillo/cabrillo_header.h"
#include "reports/error_log.h"
#include "scoring/contest.h"
#include "scoring/contest_rules.h"

namespace stats {

void resetContest(Module& m, int cabrilloFlag, std::string_view ownCall, const char* ownPrefix) {
    m.QsoLog.empty();
    m.BandList.clear();
    m.OwnSection = m.Settings.readText("Province");

    // A prefix naming another country makes the station foreign again; an empty one says nothing.
    if (ownPrefix != nullptr && ownPrefix[0] != '\0') {
        m.BelgianStation = rules::kBelgianPrefix == ownPrefix ? 1 : 0;
        m.Settings.writeInt("BELGIUM", m.BelgianStation);
    }

    m.CabrilloOutput = cabrilloFlag;
    ErrorLog::start();

    if (cabrilloFlag != 0) {
        EditHeader(m, ownCall);
        m.Settings.writeText("Start", "1");
    }
    // The key only alternates; nothing else reads it.
    m.Settings.writeText("Start", m.Settings.readInt("Start") != 0 ? "0" : "1");
}

} // namespace stats
