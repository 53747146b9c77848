#include "reports/error_log.h"

namespace stats {
namespace {

void writeLine(std::FILE* file, std::string_view text) {
    if (file == nullptr) {
        return;
    }
    std::fwrite(text.data(), 1, text.size(), file);
    std::fwrite("\r\n", 1, 2, file);
    std::fflush(file);
}

} // namespace

void ErrorLog::start() {
    std::FILE* file = std::fopen(kFileName, "wb");
    writeLine(file, kHeading);
    if (file != nullptr) {
        std::fclose(file);
    }
}

ErrorLog::ErrorLog() : file_(std::fopen(kFileName, "ab")) {}

ErrorLog::~ErrorLog() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

std::string ErrorLog::fixedPart(const FindingFields& qso) {
    std::string line = "QSO:  ";
    line += std::to_string(qso.frequencyHz / 1000);
    for (std::string_view field :
         {qso.mode, qso.dateText, qso.ownCall, qso.rstSent, qso.exchangeSent, qso.call,
          qso.rstReceived, qso.exchangeReceived}) {
        line += "  ";
        line += field;
    }
    return line;
}

void ErrorLog::writeFinding(const FindingFields& qso, std::string_view closing) {
    writeLine(file_, fixedPart(qso) + std::string(closing));
}

} // namespace stats
