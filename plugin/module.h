#pragma once

#include "cabrillo/cabrillo_log.h"
#include "plugin/application.h"
#include "plugin/settings_file.h"
#include "scoring/contest_log.h"

#include <cstdint>
#include <string>

namespace stats {

// Everything the plug-in remembers between export calls, created at load with these initial
// values and destroyed at unload. The engine's operations take it by reference.
struct Module {
    CTestApp App;
    CabrilloLogData CabrilloLog;
    SettingsFile Settings;
    ContestLog QsoLog;
    BandListType BandList;
    std::string OwnSection;
    std::string OwnMode;
    int MultiplierOption = 0;
    std::string ResultText;
    int BelgianStation = 0;
    int CabrilloOutput = 0;
    std::int32_t ClaimedScore = 0;
    int CwMode = 0;
};

// The module's one instance, used by the exported functions.
Module& module();

} // namespace stats
