#pragma once

#include "plugin/module.h"

#include <string>
#include <string_view>

namespace stats {

// Lets the operator confirm or edit the Cabrillo header in its dialog, remembers the header in
// the settings file and in CabrilloLog. Returns 1 when OK closed the dialog, else 0.
int EditHeader(Module& m, std::string_view callsign);

// Every occurrence of pattern (never empty) replaced, left to right, without overlaps; text
// inserted as replacement is not searched again.
std::string ReplaceAll(std::string_view source, std::string_view pattern,
                       std::string_view replacement);

// The Cabrillo file's name without extension: the callsign trimmed, every character that a
// Windows file name cannot hold (/ \ : * ? " < > | and control characters) made "_", a device
// name such as CON or COM1 given a trailing "_"; "KOVA" when nothing is left.
std::string fileBaseNameFor(std::string_view callsign);

} // namespace stats
