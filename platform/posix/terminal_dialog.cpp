// Modal dialogs on POSIX systems: a form on the controlling terminal. A process without one
// (a service, a test run without a terminal) cannot ask the operator, so the dialog counts as
// closed without OK, as if Escape had been pressed.
#include "platform/dialog.h"
#include "platform/posix/terminal.h"
#include "platform/posix/terminal_form.h"

namespace stats::platform {

bool runModalDialog(const resources::DialogTemplate& dialog, DialogValues& values) {
    Terminal terminal;
    return terminal.isOpen() && runTerminalForm(terminal, dialog, values);
}

} // namespace stats::platform
