#pragma once

#include "plugin/module.h"

namespace stats {

// Works the score out afresh from the log, stores it as the claimed score, builds ResultText
// and, when the contest asked for it, ends with the Cabrillo output (which writes -1 through
// cabrilloDone). Returns ResultText's characters.
const char* buildResult(Module& m, int* cabrilloDone);

} // namespace stats
