#include "host/qso_fields.h"

#include "platform/text.h"

#include "host/portable_call.h"

#include <array>
#include <charconv>
#include <cmath>

namespace ubaspring {
namespace {

std::string_view fieldOr(const AdifRecord& record, std::string_view name,
                         std::string_view fallback = {}) {
    return record.find(name).value_or(fallback);
}

// The first of the fields that is present and not empty.
std::string_view firstPresent(const AdifRecord& record, std::string_view first,
                              std::string_view second, std::string_view fallback = {}) {
    const std::string_view one = fieldOr(record, first);
    if (!one.empty()) {
        return one;
    }
    const std::string_view two = fieldOr(record, second);
    return two.empty() ? fallback : two;
}

std::optional<int> digitsValue(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool allDigits(std::string_view text) {
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

std::optional<COleDateTime> qsoTime(std::string_view date, std::string_view timeOn,
                                    std::vector<std::string>& problems) {
    if (date.empty()) {
        return std::nullopt;
    }
    const bool timeShapeOk = (timeOn.size() == 4 || timeOn.size() == 6) && allDigits(timeOn);
    if (date.size() != 8 || !allDigits(date) || !timeShapeOk) {
        problems.push_back("QSO_DATE " + std::string(date) + " TIME_ON " + std::string(timeOn) +
                           " is not a date and time");
        return COleDateTime{0.0, stats::kDateTimeInvalid};
    }
    const int year = *digitsValue(date.substr(0, 4));
    const int month = *digitsValue(date.substr(4, 2));
    const int day = *digitsValue(date.substr(6, 2));
    const int hour = *digitsValue(timeOn.substr(0, 2));
    const int minute = *digitsValue(timeOn.substr(2, 2));
    const int second = timeOn.size() == 6 ? *digitsValue(timeOn.substr(4, 2)) : 0;
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59) {
        problems.push_back("QSO_DATE " + std::string(date) + " TIME_ON " + std::string(timeOn) +
                           " is not a date and time");
        return COleDateTime{0.0, stats::kDateTimeInvalid};
    }
    return COleDateTime{stats::oleDayCount(year, month, day, hour, minute, second),
                        stats::kDateTimeValid};
}

// FREQ is in MHz; the plug-in takes whole Hz in 32 bits.
unsigned frequencyHz(std::string_view megahertz, std::vector<std::string>& problems) {
    if (megahertz.empty()) {
        return 0;
    }
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(megahertz.data(), megahertz.data() + megahertz.size(), value);
    const double hz = std::round(value * 1e6);
    if (error != std::errc() || end != megahertz.data() + megahertz.size() || !(hz >= 0.0) ||
        hz > 4294967295.0) {
        problems.push_back("FREQ " + std::string(megahertz) + " is not a frequency in MHz");
        return 0;
    }
    return static_cast<unsigned>(hz);
}

} // namespace

std::string contestMode(std::string_view mode, std::string_view submode) {
    const std::string upper = normalCall(mode);
    const std::string upperSubmode = normalCall(submode);
    if (upper == "SSB" || upper == "USB" || upper == "LSB") {
        return "SSB";
    }
    if (upper == "CW" || upper == "FM") {
        return upper;
    }
    if (upper.empty() && (upperSubmode == "USB" || upperSubmode == "LSB")) {
        return "SSB";
    }
    return std::string(mode);
}

std::string bandOfFrequency(unsigned frequencyHz) {
    struct Band {
        unsigned lowKhz;
        unsigned highKhz;
        const char* name;
    };
    static constexpr std::array<Band, 16> kBands = {{{1800, 2000, "160m"},
                                                     {3500, 4000, "80m"},
                                                     {5060, 5450, "60m"},
                                                     {7000, 7300, "40m"},
                                                     {10100, 10150, "30m"},
                                                     {14000, 14350, "20m"},
                                                     {18068, 18168, "17m"},
                                                     {21000, 21450, "15m"},
                                                     {24890, 24990, "12m"},
                                                     {28000, 29700, "10m"},
                                                     {50000, 54000, "6m"},
                                                     {70000, 71000, "4m"},
                                                     {144000, 148000, "2m"},
                                                     {222000, 225000, "1.25m"},
                                                     {420000, 450000, "70cm"},
                                                     {1240000, 1300000, "23cm"}}};
    const unsigned khz = frequencyHz / 1000;
    for (const Band& band : kBands) {
        if (khz >= band.lowKhz && khz <= band.highKhz) {
            return band.name;
        }
    }
    return {};
}

QsoFields qsoFromRecord(const AdifRecord& record, std::string_view fallbackOwnCall,
                        const PrefixLookup& prefixOf) {
    QsoFields qso;
    qso.ownCall = firstPresent(record, "STATION_CALLSIGN", "OPERATOR", fallbackOwnCall);
    qso.call = fieldOr(record, "CALL");
    qso.time = qsoTime(fieldOr(record, "QSO_DATE"), fieldOr(record, "TIME_ON"), qso.problems);
    qso.frequencyHz = frequencyHz(fieldOr(record, "FREQ"), qso.problems);
    qso.mode = contestMode(fieldOr(record, "MODE"), fieldOr(record, "SUBMODE"));
    qso.rstSent = fieldOr(record, "RST_SENT");
    qso.rstReceived = fieldOr(record, "RST_RCVD");
    qso.exchangeSent = firstPresent(record, "STX_STRING", "STX");
    qso.exchangeReceived = firstPresent(record, "SRX_STRING", "SRX");
    qso.prefix = qso.call.empty() ? std::string() : prefixOf(qso.call);
    const std::string_view band = fieldOr(record, "BAND");
    qso.band = band.empty() ? bandOfFrequency(qso.frequencyHz) : stats::text::lowerCase(band);
    return qso;
}

} // namespace ubaspring
