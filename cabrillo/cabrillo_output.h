#pragma once

#include "plugin/module.h"

#include <string>
#include <string_view>

namespace stats {

// Formats one QSO as a Cabrillo QSO line and appends it to CabrilloLog's lines.
void AddQsoLine(Module& m, std::string_view call, std::int32_t frequencyKhz,
                std::string_view modeText, const COleDateTime& time, std::string_view rstSent,
                std::string_view exchangeSent, std::string_view rstReceived,
                std::string_view exchangeReceived);

// Writes the whole Cabrillo file and returns the text that tells the operator its name, or why
// it could not be written.
std::string WriteLog(Module& m);

// The end of a result request with Cabrillo output: the lines of the current log, the file, the
// message naming it, and -1 through done.
void writeCabrilloOutput(Module& m, int* done);

} // namespace stats
