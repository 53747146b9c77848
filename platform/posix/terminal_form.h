#pragma once

#include "platform/dialog.h"
#include "platform/posix/terminal.h"

namespace stats::platform {

// A dialog as a line-oriented form on the terminal: the controls with their labels and values,
// then one prompt per control that the operator may change, then OK or Cancel. True when the
// operator chose OK; only then does values take what the form holds.
bool runTerminalForm(Terminal& terminal, const resources::DialogTemplate& dialog,
                     DialogValues& values);

} // namespace stats::platform
