#pragma once

// One scripted contest, replayed by the Windows host under Wine and by the Linux host against
// the same sources: a Belgian station with Cabrillo output, then a foreign one. It runs in the
// current directory (which holds a Plugins folder) and leaves there what the two builds must
// agree on: results.txt (every return code, result text, dialog value and message), err.txt of
// each contest (err-belgian.txt, err.txt), the Cabrillo file and the settings file.

#include "tests/windows/plugin_exports.h"

namespace stats::wintest {

void runContestScript(const PluginExports& plugin);

} // namespace stats::wintest
