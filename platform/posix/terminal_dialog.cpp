// Modal dialogs on POSIX systems: a form on the controlling terminal.
#include "platform/dialog.h"

namespace stats::platform {

bool runModalDialog(const resources::DialogTemplate&, DialogValues&) {
    return false; // no terminal form yet: the dialog counts as closed without OK
}

} // namespace stats::platform
