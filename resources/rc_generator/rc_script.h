#pragma once

#include "resources/dialog_template.h"

#include <string>

namespace stats::resources {

// The template as a DIALOGEX statement of a resource script, with its controls in template order
// (which is also the tab order). Texts with characters beyond ASCII (the description holds UTF-8)
// are written as wide strings, so that they reach the compiled template whatever code page the
// resource compiler assumes.
std::string rcDialogStatement(const DialogTemplate& dialog);

} // namespace stats::resources
