#pragma once

#include "platform/date_time.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace stats {

// The fields of a QSO that a finding line shows, as the host passed them.
struct FindingFields {
    unsigned frequencyHz = 0;
    std::string_view mode;
    std::string_view dateText;
    std::string_view ownCall;
    std::string_view rstSent;
    std::string_view exchangeSent;
    std::string_view call;
    std::string_view rstReceived;
    std::string_view exchangeReceived;
};

// The error log "err.txt" in the current directory: a heading line, then one line per finding.
// Lines end in CR LF on every platform. A file that cannot be opened or written loses its lines
// silently; the plug-in goes on as otherwise.
class ErrorLog {
  public:
    static constexpr const char* kFileName = "err.txt";
    static constexpr std::string_view kHeading = "UBA Spring TEST UBN file ";

    // Truncates the file and writes the heading line.
    static void start();

    // Opens the file for appending (creating it) for the length of one intake call.
    ErrorLog();
    ~ErrorLog();
    ErrorLog(const ErrorLog&) = delete;
    ErrorLog& operator=(const ErrorLog&) = delete;

    // Writes the QSO's fixed part, then closing, then the line end, and flushes.
    void writeFinding(const FindingFields& qso, std::string_view closing);

    // The fixed part of a finding line.
    static std::string fixedPart(const FindingFields& qso);

  private:
    std::FILE* file_;
};

} // namespace stats
