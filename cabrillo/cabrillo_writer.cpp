// The Cabrillo 2.0 file: header lines, one QSO line per logged QSO, the end line. Written in
// binary so that its CR LF line ends are exact on every platform.
#include "cabrillo/cabrillo_output.h"

#include "platform/text.h"
#include "scoring/contest_rules.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace stats {
namespace {

// Foreign formats put two blanks after the sent exchange; a Belgian one carries the own
// section there already. The reports are fixed: 599 in a CW contest, 59 otherwise.
const char* qsoLineFormat(bool belgian, bool cw) {
    if (belgian) {
        return cw ? "QSO: %5i %2s %s %-13s 599 %-5s %-12s  599 %s\r\n"
                  : "QSO: %5i %2s %s %-13s 59  %-5s %-12s  59  %s\r\n";
    }
    return cw ? "QSO: %5i %2s %s %-13s 599 %-5s  %-12s  599 %s\r\n"
              : "QSO: %5i %2s %s %-13s 59  %-5s  %-12s  59  %s\r\n";
}

class CabrilloFile {
  public:
    explicit CabrilloFile(const std::string& name) : file_(std::fopen(name.c_str(), "wb")) {
        if (file_ == nullptr) {
            error_ = errno != 0 ? errno : EIO;
        }
    }
    CabrilloFile(const CabrilloFile&) = delete;
    CabrilloFile& operator=(const CabrilloFile&) = delete;
    ~CabrilloFile() {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
    }

    void write(std::string_view text) {
        if (file_ != nullptr && error_ == 0 &&
            std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
            error_ = errno != 0 ? errno : EIO;
        }
    }
    // A header line; a line break in its value would forge another line of the log.
    void line(std::string_view label, std::string_view value) {
        write(label);
        write(text::withoutLineBreaks(value));
        write("\r\n");
    }
    // Closes the file; 0 when every byte reached it, else the system's error number.
    int close() {
        if (file_ != nullptr) {
            errno = 0;
            if ((std::fclose(file_) != 0) && error_ == 0) {
                error_ = errno != 0 ? errno : EIO;
            }
            file_ = nullptr;
        }
        return error_;
    }

  private:
    std::FILE* file_;
    int error_ = 0;
};

} // namespace

void AddQsoLine(Module& m, std::string_view call, std::int32_t frequencyKhz,
                std::string_view modeText, const COleDateTime& time, std::string_view,
                std::string_view exchangeSent, std::string_view,
                std::string_view exchangeReceived) {
    const std::string timeText = formatQsoTime(time);
    const std::string modeCopy(modeText);
    // Host texts stay on the QSO's line, whatever bytes they hold.
    const std::string sent = text::withoutLineBreaks(exchangeSent);
    const std::string worked = text::withoutLineBreaks(call);
    const std::string received = text::withoutLineBreaks(exchangeReceived);
    const std::string ownCall = text::withoutLineBreaks(m.CabrilloLog.callsign);
    const char* format = qsoLineFormat(m.BelgianStation != 0, m.CwMode != 0);
    const char* fields[] = {modeCopy.c_str(), timeText.c_str(), ownCall.c_str(),
                            sent.c_str(),     worked.c_str(),   received.c_str()};
    const int length = std::snprintf(nullptr, 0, format, frequencyKhz, fields[0], fields[1],
                                     fields[2], fields[3], fields[4], fields[5]);
    std::string line(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    std::snprintf(line.data(), line.size(), format, frequencyKhz, fields[0], fields[1], fields[2],
                  fields[3], fields[4], fields[5]);
    line.pop_back();
    m.CabrilloLog.qsoLines.push_back(std::move(line));
}

std::string WriteLog(Module& m) {
    m.BelgianStation = m.Settings.readInt("BELGIUM") != 0 ? 1 : 0;
    const CabrilloLogData& log = m.CabrilloLog;
    const std::string name = log.fileBaseName + ".cbr";

    std::string category = log.categoryOperator + " " + log.categoryBand + " " + log.categoryPower;
    if (m.BelgianStation != 0) {
        category += " " + log.categoryMode;
    }

    errno = 0;
    CabrilloFile file(name);
    file.write("START-OF-LOG: 2.0\r\n");
    file.write("CONTEST: UBA-SPRING\r\n");
    file.line("CALLSIGN: ", log.callsign);
    file.line("CATEGORY-OPERATOR: ", category);
    file.line("OPERATORS: ", log.operators);
    file.line("CLAIMED-SCORE: ", std::to_string(m.ClaimedScore));
    file.line("NAME: ", log.operatorName);
    file.line("LOCATION: ", log.location);
    file.line("EMAIL: ", log.email);
    file.line("ADDRESS: ", log.address);
    file.line("ADDRESS: ", log.addressCity);
    file.line("ADDRESS: ", log.addressStateProvince);
    file.line("ADDRESS: ", log.addressPostalCode);
    file.line("ADDRESS: ", log.addressCountry);
    // A confirmed soapbox holds "\r\nSOAPBOX: " between its lines: it is written as it is.
    file.write("SOAPBOX: ");
    file.write(log.soapbox);
    file.write("\r\n");
    for (const std::string& line : log.qsoLines) {
        file.write(line);
    }
    file.write("END-OF-LOG:\r\n");
    if (const int error = file.close(); error != 0) {
        return "File not produced: " + name + ": " + std::strerror(error);
    }
    return "File produced: " + name;
}

void writeCabrilloOutput(Module& m, int* done) {
    // Each output lists the current log once, however often the result is asked for.
    m.CabrilloLog.qsoLines.clear();
    for (const CInfo& record : m.QsoLog.records()) {
        AddQsoLine(m, record.call, record.frequencyKhz, rules::cabrilloMode(record.mode),
                   record.time, record.rstSent, record.exchangeSent, record.rstReceived,
                   record.exchangeReceived);
    }
    const std::string message = WriteLog(m);
    m.App.showMessage(message, "Output");
    if (done != nullptr) {
        *done = -1;
    }
}

} // namespace stats
