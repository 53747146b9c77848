#include "platform/date_time.h"

#include <cmath>
#include <cstdio>

namespace stats {
namespace {

constexpr double kHalfSecond = 0.5 / 86400.0;
// Day numbers of 0100-01-01 and 9999-12-31 counted from 1899-12-30.
constexpr long long kFirstDay = -657434;
constexpr long long kLastDay = 2958465;
const char* const kInvalid = "Invalid DateTime";

struct CivilDate {
    long long year;
    unsigned month;
    unsigned day;
};

// Days since 1970-01-01 to a proleptic Gregorian date (H. Hinnant's civil_from_days).
CivilDate civilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<long long>(yoe) + era * 400 + (m <= 2 ? 1 : 0), m, d};
}

long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

// 1899-12-30 counted from 1970-01-01.
constexpr long long kOleEpochFromUnix = -25569;

} // namespace

COleDateTime dateTimeOrNull(const COleDateTime* value) {
    if (value == nullptr) {
        return COleDateTime{0.0, kDateTimeNull};
    }
    return *value;
}

std::string formatQsoTime(const COleDateTime& value) {
    if (value.m_status == kDateTimeNull) {
        return {};
    }
    if (value.m_status != kDateTimeValid || !std::isfinite(value.m_dt)) {
        return kInvalid;
    }
    // Out of range before rounding as well, so that the conversions below cannot overflow.
    if (value.m_dt < static_cast<double>(kFirstDay - 1) ||
        value.m_dt > static_cast<double>(kLastDay + 2)) {
        return kInvalid;
    }
    // The integral part is the day, the magnitude of the fraction the time of day, also for
    // negative counts (-1.25 is 1899-12-29 06:00). Rounding moves away from zero by half a second.
    const double rounded = value.m_dt + (value.m_dt > 0.0 ? kHalfSecond : -kHalfSecond);
    const double wholeDays = std::trunc(rounded);
    const auto day = static_cast<long long>(wholeDays);
    const auto secondsInDay = static_cast<long long>(std::fabs(rounded - wholeDays) * 86400.0);
    if (day < kFirstDay || day > kLastDay) {
        return kInvalid;
    }
    const CivilDate date = civilFromDays(day + kOleEpochFromUnix);
    const long long hour = secondsInDay / 3600;
    const long long minute = secondsInDay / 60 % 60;
    char text[40];
    std::snprintf(text, sizeof text, "%lld-%02u-%02u %02lld%02lld", date.year, date.month, date.day,
                  hour, minute);
    return text;
}

double oleDayCount(int year, int month, int day, int hour, int minute, int second) {
    const long long days =
        daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
        kOleEpochFromUnix;
    const double fraction = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    // Before the epoch the fraction still counts forward in time within the day.
    return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

} // namespace stats
