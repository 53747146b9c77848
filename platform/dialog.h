#pragma once

#include "resources/dialog_template.h"

#include <string>
#include <string_view>
#include <vector>

// Modal dialogs and message boxes: the platform's default way of showing them. The plug-in's
// application object calls these unless the host installed handlers of its own.
namespace stats::platform {

struct DialogValue {
    int controlId;
    std::string text; // a check box carries "0", "1" or "2"
};

// The values of a dialog's value-carrying controls, in template order.
using DialogValues = std::vector<DialogValue>;

// Runs the dialog modally; true when OK closed it, and then values holds what the operator left.
bool runModalDialog(const resources::DialogTemplate& dialog, DialogValues& values);

// Shows text in an information box with an OK button and waits until it is closed.
void showMessage(std::string_view text, std::string_view caption);

} // namespace stats::platform
