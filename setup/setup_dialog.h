#pragma once

#include "plugin/module.h"

namespace stats {

// Shows the setup dialog with the stored mode, own UBA section and multiplier-window option;
// OK stores what the operator left there.
void runSetup(Module& m);

} // namespace stats
